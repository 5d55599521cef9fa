#pragma once
// Small helpers shared by the model objects, the dialogs and the document: case-insensitive
// identifier comparison, array copies and identifier cleaning.

#include <string>
#include <vector>

namespace TavWorkbench {

// The text with ASCII letters lower-cased; every other byte kept.
std::string ToLowerAscii(const std::string& text);

// True when the two identifiers are equal ignoring the case of ASCII letters.
bool EqualsNoCase(const std::string& a, const std::string& b);

// Empties `destination` and appends every text of `source`.
void CopyStringArray(const std::vector<std::string>& source, std::vector<std::string>& destination);

// Empties `destination` and appends every integer of `source`.
void CopyIntArray(const std::vector<int>& source, std::vector<int>& destination);

// Removes every character that is not an ASCII letter, an ASCII digit or "_"; true when it
// removed any.
bool CleanIdentifier(std::string& text);

// The decimal number at the start of a text as C's atoi reads it (white space skipped, an
// optional sign, digits up to the first other character), 0 when there is none; a number out
// of the range of int is clamped to it.
int LeadingInteger(const std::string& text);

// printf("%d") of one integer.
std::string IntText(int value);

} // namespace TavWorkbench

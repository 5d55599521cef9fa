#pragma once
// The checks the dialogs, the wizard and the automation methods run before they create or
// change a model element. Each shows what is wrong through `messages` (one box, exact text)
// and returns false; nothing is changed, except the Boolean domain ValidateBooleanVariable
// makes sure of. Identifiers are compared ignoring the case of ASCII letters.

#include "workbench/DocMessages.hpp"
#include "workbench/model/CConArray.hpp"
#include "workbench/model/CConstArray.hpp"
#include "workbench/model/CDomainArray.hpp"
#include "workbench/model/CKeyWords.hpp"
#include "workbench/model/CVarArray.hpp"

#include <string>
#include <vector>

namespace TavWorkbench {

// Element kinds, as ValidateIdentifier takes them.
enum class ElementKind { Domain = 0, Variable = 1, Constant = 2, Constraint = 3 };

// Not empty ("An ID is required"), an ASCII letter first ("ID must start with a
// letter"), then letters, digits and "_" ("ID can only contain letters, numbers and _").
bool ValidateIdSyntax(const std::string& id, DocMessages& messages);

// True when the id is a keyword of the modelling language (no message).
bool IsKeyWordID(const std::string& id, const CKeyWords& keyWords);

// The syntax, then no clash with a keyword, a domain, a variable, a constant or a constraint,
// in that order; the element at `ownIndex` of its own kind's collection is skipped (-1 for a
// new element).
bool ValidateIdentifier(const std::string& id, const CKeyWords& keyWords, const CDomainArray& domains,
                        const CVarArray& variables, const CConArray& constraints,
                        const CConstArray& constants, ElementKind kind, int ownIndex, DocMessages& messages);

// The domain exists ("No Domain attached to Variable") and an array has at least one element
// ("Arrays must have at least 1 element").
bool ValidateVariable(const std::string& domainID, const CDomainArray& domains, int arraySize, bool isArray,
                      DocMessages& messages);

// Adds the Boolean domain "TrueFalse" when there is none (also when the check then fails),
// then checks the array size as ValidateVariable does.
bool ValidateBooleanVariable(CDomainArray& domains, int arraySize, bool isArray, DocMessages& messages);

// Bounds from numbers or from integer constants ("Minimum Constant not found", "Maximum
// Constant not found"); the minimum may not exceed the maximum ("Minimum is greater than
// maximum").
bool ValidateRangeConstants(int minimum, int maximum, const CConstArray& constants,
                            const std::string& minConstID, const std::string& maxConstID,
                            DocMessages& messages);

// Without a constant id the supplied values may not be empty ("Supplied Value Array is
// Empty"); with one it must name a list constant ("Can't find specified Constant", "Not List
// Type Constant") that holds values ("The List Constant contains no suitable values").
bool ValidateListConstant(const CConstArray& constants, const std::vector<int>& values,
                          const std::string& listConstID, DocMessages& messages);

// Appends the numbers of a text of unsigned decimal numbers separated by blanks or commas
// (runs, leading and trailing separators allowed). False (no message) at any other character
// or at a number too large for an int; numbers read before stay appended.
bool ParseIntegerList(std::vector<int>& values, const std::string& text);

// The bracket and comma structure of a list ("[" "]") or, with `braces`, a set ("{" "}") literal
// as typed: "Close bracket before Open Bracket", "Excess number of open brackets", "Don't start
// with a close bracket", "Don't start with a comma", "2 commas in a row", "Remove Comma before
// Close Bracket", "Comma required after Close Bracket before adding new element", "Comma found
// after Open Bracket", "Don't finish with a comma". `caret`, when given, receives the offset of
// the fault (unchanged for the excess of open brackets).
bool CheckListSyntax(const std::string& text, bool braces, int* caret, DocMessages& messages);

// The whole text one decimal integer (blanks and a sign before it, blanks and tabs after it); an
// empty or blank text reads as 0. False (no message) for any other character left, and for
// 2147483647 and above; below -2147483648 reads as -2147483648.
bool ParseInteger(const std::string& text, int& value);

// The whole text one real number (blanks and tabs around it). False (no message) when nothing is
// read, or a zero is read from a text that does not start with "0".
bool SimpleFloatParse(const std::string& text, double& value);

// An unsigned box holds at least `minimum`: "Please enter an integer not less than  <minimum>".
bool DDV_MinUInt(unsigned value, unsigned minimum, DocMessages& messages);

// The text as lines each starting with two tabs, cut at line feeds, carriage returns dropped.
void SplitIntoIndentedLines(const std::string& text, std::vector<std::string>& lines);

} // namespace TavWorkbench

#pragma once
// The character filters of the workbench's input boxes: each says what becomes of one typed
// character, given the box's text and caret. Letters and digits are ASCII ones; a control
// character is an editing key (backspace, the clipboard keys) that keeps its usual effect.

#include <string>

namespace TavWorkbench {

// Below 32, or 127.
bool IsControlKey(char32_t ch);

// Identifier boxes: letters, digits, "_", control characters.
bool NameEditAccepts(char32_t ch);
// As NameEditAccepts, and "," while `allowComma`.
bool SpecialEditAccepts(char32_t ch, bool allowComma);
// What an identifier box tells the user when it leaves a typed `ch` out (a space typed in
// "my dom" would otherwise vanish unnoticed); `allowComma` as the box has it.
std::string NameRefusalNote(char32_t ch, bool allowComma = false);
// Integer boxes: digits, control characters below 32, and "-" unless `text` has one.
bool MyEditAccepts(char32_t ch, const std::string& text);
// Real-number boxes: control characters below 32 always; with the caret (selection start) at 0
// while `text` holds a "-", nothing else; "-" only at 0 when `text` has none; digits; "." when
// `text` has none.
bool FloaterEditAccepts(char32_t ch, const std::string& text, int selectionStart);
// List and set boxes: the two bracket characters, ",", letters, digits, control characters.
bool ListSetEditAccepts(char32_t ch, char open, char close);
// The brackets of a list box kind: 1 gives "[" and "]", any other kind "{" and "}".
std::pair<char, char> BracketsOf(int kind);
// Dimension lists such as "3,4": the character to insert for `ch`: a digit or a control
// character as typed, anything else ",".
char32_t CommaIntEditCharacter(char32_t ch);

} // namespace TavWorkbench

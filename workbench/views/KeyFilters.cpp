#include "workbench/views/KeyFilters.hpp"

#include <utility>

namespace TavWorkbench {

namespace {

bool IsDigit(char32_t ch) {
    return ch >= U'0' && ch <= U'9';
}
bool IsLetterOrDigit(char32_t ch) {
    return IsDigit(ch) || (ch >= U'a' && ch <= U'z') || (ch >= U'A' && ch <= U'Z');
}

} // namespace

bool IsControlKey(char32_t ch) {
    return ch < 32 || ch == 127;
}

bool NameEditAccepts(char32_t ch) {
    return IsLetterOrDigit(ch) || ch == U'_' || IsControlKey(ch);
}

bool SpecialEditAccepts(char32_t ch, bool allowComma) {
    return NameEditAccepts(ch) || (allowComma && ch == U',');
}

std::string NameRefusalNote(char32_t ch, bool allowComma) {
    std::string shown = "That character";
    if (ch == U' ') shown = "A space";
    if (ch > U' ' && ch < 127) shown = std::string("\"") + static_cast<char>(ch) + "\"";
    return shown + " cannot be part of an ID and was left out: an ID holds letters, digits and _ only" +
           (allowComma ? " (a comma separates IDs)" : "");
}

bool MyEditAccepts(char32_t ch, const std::string& text) {
    if (IsDigit(ch) || ch < 32) return true;
    return ch == U'-' && text.find('-') == std::string::npos;
}

bool FloaterEditAccepts(char32_t ch, const std::string& text, int selectionStart) {
    if (ch < 32) return true;
    const bool hasMinus = text.find('-') != std::string::npos;
    if (selectionStart == 0 && hasMinus) return false;
    if (ch == U'-') return !hasMinus && selectionStart == 0;
    if (IsDigit(ch)) return true;
    return ch == U'.' && text.find('.') == std::string::npos;
}

bool ListSetEditAccepts(char32_t ch, char open, char close) {
    return ch == static_cast<unsigned char>(open) || ch == static_cast<unsigned char>(close) || ch == U',' ||
           IsLetterOrDigit(ch) || IsControlKey(ch);
}

std::pair<char, char> BracketsOf(int kind) {
    return kind == 1 ? std::pair('[', ']') : std::pair('{', '}');
}

char32_t CommaIntEditCharacter(char32_t ch) {
    return IsDigit(ch) || IsControlKey(ch) ? ch : U',';
}

} // namespace TavWorkbench

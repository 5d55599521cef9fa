#include "workbench/dialogs/lp/LPText.hpp"

#include "workbench/Validation.hpp"

#include <cctype>
#include <cmath>
#include <cstdio>

namespace TavDialogs {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

bool AllDigits(const std::string& text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

struct Term {
    bool negative = false;
    std::string magnitude;
};

Term SplitSign(const std::string& typed) {
    const std::string text = Trim(typed);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == '-' || IsBlank(text[i])))
        ++i;
    Term term;
    term.negative = text.find('-') < i;
    term.magnitude = text.substr(i);
    return term;
}

std::string Terms(const std::vector<std::string>& coefficients, bool model) {
    std::string text;
    for (std::size_t i = 0; i < coefficients.size(); ++i) {
        const Term term = SplitSign(coefficients[i]);
        const std::string number = model ? LanguageNumber(term.magnitude) : term.magnitude;
        const std::string variable = (model ? "*x[" : "x[") + std::to_string(i) + "] ";
        if (term.negative)
            text += (i == 0 ? "-" : "- ") + number + variable;
        else
            text += (i == 0 ? "" : "+ ") + number + variable;
    }
    return text;
}

std::string Direction(int direction) {
    return direction != 0 ? "Minimise(" : "Maximise(";
}

} // namespace

std::string LanguageNumber(const std::string& typed) {
    std::string text = Trim(typed);
    std::string sign;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        if (text[0] == '-') sign = "-";
        text.erase(0, 1);
    }
    const std::size_t e = text.find_first_of("eE");
    std::string mantissa = text.substr(0, e);
    std::string exponent;
    if (e != std::string::npos) {
        exponent = text.substr(e + 1);
        std::string digits = exponent;
        if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.erase(0, 1);
        if (!AllDigits(digits)) return Trim(typed);
    }
    const std::size_t point = mantissa.find('.');
    std::string whole = mantissa.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : mantissa.substr(point + 1);
    if (whole.empty() && fraction.empty()) return Trim(typed);
    if ((!whole.empty() && !AllDigits(whole)) || (!fraction.empty() && !AllDigits(fraction)))
        return Trim(typed);
    if (whole.empty()) whole = "0";
    if (point == std::string::npos && exponent.empty()) return sign + whole;
    if (fraction.empty()) fraction = "0";
    std::string number = sign + whole + "." + fraction;
    if (!exponent.empty()) number += "e" + exponent;
    return number;
}

std::string DisplayTerms(const std::vector<std::string>& coefficients) {
    return Terms(coefficients, false);
}

std::string ModelTerms(const std::vector<std::string>& coefficients) {
    return Terms(coefficients, true);
}

std::string ConstraintDisplayText(const CConDetails& constraint) {
    return DisplayTerms(constraint.coefficients) + " " + constraint.op + " " + constraint.rhs;
}

std::string ConstraintModelText(const CConDetails& constraint) {
    return ModelTerms(constraint.coefficients) + " " + constraint.op + " " + LanguageNumber(constraint.rhs) +
           ";";
}

std::string ObjectiveDisplayText(const std::vector<std::string>& coefficients, int direction) {
    return Direction(direction) + DisplayTerms(coefficients) + ")";
}

std::string ObjectiveModelText(const std::vector<std::string>& coefficients, int direction) {
    return Direction(direction) + ModelTerms(coefficients) + ");";
}

bool IsNumericCell(const std::string& text) {
    double value = 0.0;
    return TavWorkbench::SimpleFloatParse(text, value) && std::isfinite(value);
}

std::string NonNumericMessage(int box) {
    return "Non-numeric Data in box " + std::to_string(box);
}

std::string QuantityText(double value) {
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, "%.8f", value);
    std::string text = buffer;
    const std::size_t point = text.find('.');
    if (point == std::string::npos) return text;
    while (text.size() > point + 1 && text.back() == '0')
        text.pop_back();
    if (text.size() == point + 1) text.pop_back();
    if (text == "-0") text = "0";
    return text;
}

} // namespace TavDialogs

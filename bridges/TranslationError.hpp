#pragma once
// A raw problem that a solver bridge cannot translate into its library's model: a variable or
// constraint kind the library lacks, a missing domain, an operator outside the bridge's table.
// What the program that asked for the solve shows is the text.

#include "platform/FatalError.hpp"

namespace TavBridges {

class TranslationError : public Platform::FatalError {
public:
    explicit TranslationError(const std::string& text)
        : FatalError(Platform::ErrorCode::kTranslation, text) {}
};

// The refusal of a variable over a domain the problem never declared (it would have no values).
inline TranslationError NoDomainError(const std::string& variable, const std::string& domain) {
    return TranslationError("Variable " + variable + " has no domain " +
                            (domain.empty() ? std::string("(none given)") : domain) + " to take values from");
}

} // namespace TavBridges

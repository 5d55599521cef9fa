#pragma once
// A raw problem that a solver bridge cannot translate into its library's model: a variable or
// constraint kind the library lacks, a missing domain, an operator outside the bridge's table.
// What the program that asked for the solve shows is the text.

#include "platform/FatalError.hpp"

class TranslationError : public Platform::FatalError {
public:
    explicit TranslationError(const std::string& text)
        : FatalError(Platform::ErrorCode::kTranslation, text) {}
};

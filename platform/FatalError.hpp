#pragma once
// Typed errors for conditions the original design treated as fatal (message box, then the
// process ends). Library code throws these with the exact user-facing text; the program or
// dialog that called it catches them, shows the text and keeps the user's data.

#include <stdexcept>
#include <string>

namespace Platform {

// Base of every fatal-condition error; what() is the text to show, exactly.
class FatalError : public std::runtime_error {
public:
    explicit FatalError(const std::string& text) : std::runtime_error(text) {}
    const std::string Text() const { return what(); }
};

// A solver parameter id or value outside the accepted set ("Invalid Parameter\n" and the like).
class ParameterError : public FatalError {
public:
    using FatalError::FatalError;
};

// An operation a class cannot perform, or a state that should be impossible.
class InternalError : public FatalError {
public:
    using FatalError::FatalError;
};

// A resource the process needs could not be obtained (temporary files, sockets, ...).
class ResourceError : public FatalError {
public:
    using FatalError::FatalError;
};

} // namespace Platform

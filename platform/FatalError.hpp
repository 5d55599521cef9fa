#pragma once
// Typed errors for conditions the original design treated as fatal (message box, then the
// process ends). Library code throws these with the exact user-facing text; the program or
// dialog that called it catches them, shows the text and keeps the user's data.

#include "platform/Error.hpp"

#include <string>

namespace Platform {

// Base of every fatal-condition error; what() is the text to show, exactly.
class FatalError : public Error {
public:
    explicit FatalError(const std::string& text) : Error(ErrorCode::kFatal, text) {}

protected:
    FatalError(int code, const std::string& text) : Error(code, text) {}
};

// A solver parameter id or value outside the accepted set ("Invalid Parameter\n" and the like).
class ParameterError : public FatalError {
public:
    explicit ParameterError(const std::string& text) : FatalError(ErrorCode::kParameter, text) {}
};

// An operation a class cannot perform, or a state that should be impossible.
class InternalError : public FatalError {
public:
    explicit InternalError(const std::string& text) : FatalError(ErrorCode::kInternal, text) {}
};

// A resource the process needs could not be obtained (temporary files, sockets, ...).
class ResourceError : public FatalError {
public:
    explicit ResourceError(const std::string& text) : FatalError(ErrorCode::kResource, text) {}
};

} // namespace Platform

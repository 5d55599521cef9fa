#pragma once
// Work that ended early because the program set its stop request (a time limit, the user's
// Stop) before the work could finish, for example while a solver bridge was still building its
// model. Nothing it was building is kept; the program reports the run as stopped.

#include "platform/Error.hpp"

#include <string>

namespace Platform {

class Cancelled : public Error {
public:
    explicit Cancelled(const std::string& text = "Stopped") : Error(ErrorCode::kCancelled, text) {}
};

} // namespace Platform

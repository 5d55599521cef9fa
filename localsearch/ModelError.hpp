#pragma once
// Bad input to the model builder (an empty domain, a variable without a domain); what() is
// the text to show.

#include "platform/FatalError.hpp"

namespace GLSLib {

class ModelError : public Platform::FatalError {
public:
    using FatalError::FatalError;
};

} // namespace GLSLib

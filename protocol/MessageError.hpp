#pragma once
// A message that cannot be read from a stream (an item count, a string or buffer length past
// our limits) or written to one. what() says what was wrong; the connection it came from is
// dropped, nothing else.

#include "platform/FatalError.hpp"

namespace TavNet {

class MessageError : public Platform::FatalError {
public:
    using Platform::FatalError::FatalError;
};

} // namespace TavNet

#pragma once
// A ".tav" document that cannot be read or written: damaged, truncated, of a foreign format or
// not accessible. what() names the file and, for a damaged file, what was wrong and where.

#include "platform/FatalError.hpp"

#include <string>

namespace TavWorkbench {

class TavFileError : public Platform::FatalError {
public:
    using Platform::FatalError::FatalError;
};

} // namespace TavWorkbench

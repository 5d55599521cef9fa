#pragma once
// A serialisable class as the archive names it: the class name and its schema number, written
// before the first object of the class.

#include <cstdint>

namespace TavWorkbench {

struct ArchiveClass {
    const char* name;
    std::uint16_t schema;
};

} // namespace TavWorkbench

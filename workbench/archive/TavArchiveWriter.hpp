#pragma once
// Writes the framework archive encoding of ".tav" documents into memory: the same encodings
// TavArchiveReader reads, with the class of each object written once and referred to by its
// running index afterwards.

#include "workbench/archive/ArchiveClass.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace TavWorkbench {

class TavArchiveWriter {
public:
    void Byte(std::uint8_t value);
    void Word(std::uint16_t value);
    void Int32(std::int32_t value);
    void DWord(std::uint32_t value);
    void Double(double value);
    void Text(const std::string& text);
    void Count(std::size_t count);
    void IntArray(const std::vector<int>& values);
    void StringArray(const std::vector<std::string>& texts);
    // Writes the tag in front of a new object of class `cls` (the class itself the first time)
    // and enters the object in the running index.
    void ObjectClass(const ArchiveClass& cls);

    const std::string& Bytes() const { return m_bytes; }
    std::string TakeBytes() { return std::move(m_bytes); }

private:
    std::string m_bytes;
    std::uint32_t m_nextIndex = 1;
    std::map<std::string, std::uint32_t> m_classIndex;
};

} // namespace TavWorkbench

#pragma once
// Reads the framework archive encoding of ".tav" documents from bytes held in memory:
// little-endian words and integers, IEEE doubles, length-prefixed texts, counts, and the class
// tags of archived objects with their one running index for classes and objects.
// Every read is checked against what remains before anything is allocated; a fault throws
// TavFileError naming the file, what was being read and the byte offset.

#include "workbench/archive/ArchiveClass.hpp"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace TavWorkbench {

class TavArchiveReader {
public:
    // Reads `bytes` (not copied: they must outlive the reader); errors name `fileName` and say
    // it is not a valid `format`.
    TavArchiveReader(std::string_view bytes, std::string fileName, std::string format = "Tav document");

    std::size_t Offset() const { return m_offset; }
    std::size_t Remaining() const { return m_bytes.size() - m_offset; }
    bool AtEnd() const { return m_offset == m_bytes.size(); }

    // Each read names what it reads (`what`) for the error message.
    std::uint8_t Byte(const char* what);
    std::uint16_t Word(const char* what);
    std::int32_t Int32(const char* what);
    std::uint32_t DWord(const char* what);
    double Double(const char* what);
    // A text: a 1-byte length below 255, else 0xFF and a 2-byte length below 0xFFFE, else 0xFF,
    // 0xFFFF and a 4-byte length; then the characters. A wide-character text is refused.
    std::string Text(const char* what);
    // A count: a 2-byte count, or 0xFFFF and a 4-byte count; refused when `minBytesPerItem`
    // times the count is more than what remains.
    std::size_t Count(const char* what, std::size_t minBytesPerItem);
    // A count, then that many 4-byte little-endian integers.
    std::vector<int> IntArray(const char* what);
    // A count, then that many texts.
    std::vector<std::string> StringArray(const char* what);

    // Reads the tag in front of an archived object and returns the index in `allowed` of its
    // class. A new class must be one of `allowed` with the same schema; a reference to a class
    // must name one read before that is among `allowed`. A null object, a second reference to
    // an object read before and any other tag are refused. Enters the class (when new) and the
    // object in the running index.
    std::size_t ObjectClass(std::span<const ArchiveClass> allowed, const char* what);

    // Throws TavFileError about the current offset.
    [[noreturn]] void Fail(const std::string& message) const;

private:
    void Need(std::size_t count, const char* what) const;
    std::size_t ClassAt(std::uint32_t index, std::span<const ArchiveClass> allowed, const char* what) const;

    std::string_view m_bytes;
    std::string m_fileName;
    std::string m_format;
    std::size_t m_offset = 0;
    // The running index of classes and objects, from 1: the allowed-list position of a class
    // entry, or kObjectEntry for an object.
    std::vector<std::size_t> m_entries;
    // Classes by the index of their entry; names compared exactly.
    std::vector<std::string> m_classNames;
};

} // namespace TavWorkbench

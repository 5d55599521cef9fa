#include "workbench/archive/TavArchiveReader.hpp"

#include "workbench/archive/TavFileError.hpp"

#include <cstring>
#include <limits>

namespace TavWorkbench {

namespace {

constexpr std::uint16_t kNullTag = 0;
constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;
// The framework keeps class names in a buffer of 64 characters.
constexpr std::size_t kMaxClassName = 63;
constexpr std::size_t kObjectEntry = std::numeric_limits<std::size_t>::max();

// A class name as it can be shown: printable ASCII, others as '?', at most 40 characters.
std::string Shown(const std::string& name) {
    std::string shown;
    for (char c : name.substr(0, 40)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte >= 0x7f ? '?' : c;
    }
    if (name.size() > 40) shown += "...";
    return shown;
}

} // namespace

TavArchiveReader::TavArchiveReader(std::string_view bytes, std::string fileName, std::string format)
    : m_bytes(bytes), m_fileName(std::move(fileName)), m_format(std::move(format)) {
    m_entries.push_back(kObjectEntry); // index 0 is the null object
    m_classNames.emplace_back();
}

void TavArchiveReader::Fail(const std::string& message) const {
    throw TavFileError("\"" + m_fileName + "\" is not a valid " + m_format + ": " + message + " (at byte " +
                       std::to_string(m_offset) + ")");
}

void TavArchiveReader::Need(std::size_t count, const char* what) const {
    if (count > Remaining()) Fail("the file ends within " + std::string(what));
}

std::uint8_t TavArchiveReader::Byte(const char* what) {
    Need(1, what);
    return static_cast<std::uint8_t>(m_bytes[m_offset++]);
}

std::uint16_t TavArchiveReader::Word(const char* what) {
    Need(2, what);
    const auto lo = static_cast<std::uint8_t>(m_bytes[m_offset]);
    const auto hi = static_cast<std::uint8_t>(m_bytes[m_offset + 1]);
    m_offset += 2;
    return static_cast<std::uint16_t>(lo | (hi << 8));
}

std::uint32_t TavArchiveReader::DWord(const char* what) {
    Need(4, what);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<std::uint8_t>(m_bytes[m_offset + static_cast<std::size_t>(i)]);
    m_offset += 4;
    return value;
}

std::int32_t TavArchiveReader::Int32(const char* what) {
    return static_cast<std::int32_t>(DWord(what));
}

double TavArchiveReader::Double(const char* what) {
    Need(8, what);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i)
        bits = (bits << 8) | static_cast<std::uint8_t>(m_bytes[m_offset + static_cast<std::size_t>(i)]);
    m_offset += 8;
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string TavArchiveReader::Text(const char* what) {
    std::size_t length = Byte(what);
    if (length == 0xFF) {
        length = Word(what);
        if (length == 0xFFFE) Fail(std::string(what) + " is a wide-character text, which is not supported");
        if (length == 0xFFFF) length = DWord(what);
    }
    Need(length, what);
    std::string text(m_bytes.substr(m_offset, length));
    m_offset += length;
    return text;
}

std::size_t TavArchiveReader::Count(const char* what, std::size_t minBytesPerItem) {
    std::size_t count = Word(what);
    if (count == 0xFFFF) count = DWord(what);
    if (minBytesPerItem > 0 && count > Remaining() / minBytesPerItem)
        Fail("the count of " + std::string(what) + " (" + std::to_string(count) +
             ") is more than the rest of the file can hold");
    return count;
}

std::vector<int> TavArchiveReader::IntArray(const char* what) {
    const std::size_t count = Count(what, 4);
    std::vector<int> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(Int32(what));
    return values;
}

std::vector<std::string> TavArchiveReader::StringArray(const char* what) {
    const std::size_t count = Count(what, 1);
    std::vector<std::string> texts;
    texts.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        texts.push_back(Text(what));
    return texts;
}

std::size_t TavArchiveReader::ClassAt(std::uint32_t index, std::span<const ArchiveClass> allowed,
                                      const char* what) const {
    if (index == 0 || index >= m_entries.size() || m_entries[index] == kObjectEntry)
        Fail(std::string(what) + " refers to class number " + std::to_string(index) +
             ", which is not in the file");
    for (std::size_t i = 0; i < allowed.size(); ++i)
        if (m_classNames[index] == allowed[i].name) return i;
    Fail(std::string(what) + " is of class " + Shown(m_classNames[index]) + ", which does not belong there");
}

std::size_t TavArchiveReader::ObjectClass(std::span<const ArchiveClass> allowed, const char* what) {
    const std::uint16_t tag = Word(what);
    std::size_t position = 0;
    if (tag == kNewClassTag) {
        const std::uint16_t schema = Word("a class schema");
        const std::uint16_t length = Word("a class name");
        if (length > kMaxClassName) Fail("a class name is " + std::to_string(length) + " characters long");
        Need(length, "a class name");
        const std::string name(m_bytes.substr(m_offset, length));
        m_offset += length;
        position = allowed.size();
        for (std::size_t i = 0; i < allowed.size(); ++i)
            if (name == allowed[i].name) position = i;
        if (position == allowed.size())
            Fail(std::string(what) + " is of class " + Shown(name) + ", which does not belong there");
        if (schema != allowed[position].schema)
            Fail("class " + name + " has schema " + std::to_string(schema) + ", not " +
                 std::to_string(allowed[position].schema));
        m_entries.push_back(position);
        m_classNames.push_back(name);
    } else if (tag == kBigObjectTag) {
        const std::uint32_t big = DWord(what);
        if ((big & kBigClassTag) == 0)
            Fail(std::string(what) + " is a second reference to an earlier element");
        position = ClassAt(big & ~kBigClassTag, allowed, what);
    } else if ((tag & kClassTag) != 0) {
        position = ClassAt(tag & ~kClassTag, allowed, what);
    } else if (tag == kNullTag) {
        Fail(std::string(what) + " is missing (a null element)");
    } else {
        Fail(std::string(what) + " is a second reference to an earlier element");
    }
    m_entries.push_back(kObjectEntry);
    m_classNames.emplace_back();
    return position;
}

} // namespace TavWorkbench

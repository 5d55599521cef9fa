#include "workbench/archive/TavArchiveWriter.hpp"

#include <cstring>

namespace TavWorkbench {

namespace {

constexpr std::uint16_t kNewClassTag = 0xFFFF;
constexpr std::uint16_t kClassTag = 0x8000;
constexpr std::uint16_t kBigObjectTag = 0x7FFF;
constexpr std::uint32_t kBigClassTag = 0x80000000u;

} // namespace

void TavArchiveWriter::Byte(std::uint8_t value) {
    m_bytes.push_back(static_cast<char>(value));
}

void TavArchiveWriter::Word(std::uint16_t value) {
    Byte(static_cast<std::uint8_t>(value & 0xFF));
    Byte(static_cast<std::uint8_t>(value >> 8));
}

void TavArchiveWriter::DWord(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        Byte(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
}

void TavArchiveWriter::Int32(std::int32_t value) {
    DWord(static_cast<std::uint32_t>(value));
}

void TavArchiveWriter::Double(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 8; ++i)
        Byte(static_cast<std::uint8_t>((bits >> (8 * i)) & 0xFF));
}

void TavArchiveWriter::Text(const std::string& text) {
    const std::size_t length = text.size();
    if (length < 0xFF) {
        Byte(static_cast<std::uint8_t>(length));
    } else if (length < 0xFFFE) {
        Byte(0xFF);
        Word(static_cast<std::uint16_t>(length));
    } else {
        Byte(0xFF);
        Word(0xFFFF);
        DWord(static_cast<std::uint32_t>(length));
    }
    m_bytes.append(text);
}

void TavArchiveWriter::Count(std::size_t count) {
    if (count < 0xFFFF) {
        Word(static_cast<std::uint16_t>(count));
    } else {
        Word(0xFFFF);
        DWord(static_cast<std::uint32_t>(count));
    }
}

void TavArchiveWriter::IntArray(const std::vector<int>& values) {
    Count(values.size());
    for (int value : values)
        Int32(value);
}

void TavArchiveWriter::StringArray(const std::vector<std::string>& texts) {
    Count(texts.size());
    for (const std::string& text : texts)
        Text(text);
}

void TavArchiveWriter::ObjectClass(const ArchiveClass& cls) {
    const auto known = m_classIndex.find(cls.name);
    if (known == m_classIndex.end()) {
        Word(kNewClassTag);
        Word(cls.schema);
        const std::size_t length = std::strlen(cls.name);
        Word(static_cast<std::uint16_t>(length));
        m_bytes.append(cls.name, length);
        m_classIndex.emplace(cls.name, m_nextIndex++);
    } else if (known->second < kBigObjectTag) {
        Word(static_cast<std::uint16_t>(kClassTag | known->second));
    } else {
        // Past 0x7FFE entries the index no longer fits beside the class bit of a word.
        Word(kBigObjectTag);
        DWord(kBigClassTag | known->second);
    }
    ++m_nextIndex; // the object's own entry
}

} // namespace TavWorkbench

#pragma once
// A byte buffer item of a message: owns a copy of its bytes. Length is an unsigned 32-bit
// count, as on the wire.

#include <cstdint>
#include <vector>

namespace TavNet {

class CDataBuffer {
public:
    CDataBuffer() = default;
    // Copies length bytes from bytes (none when length is 0; bytes may then be null).
    CDataBuffer(const void* bytes, std::uint32_t length);
    virtual ~CDataBuffer() = default;
    CDataBuffer(const CDataBuffer&) = default;
    CDataBuffer& operator=(const CDataBuffer&) = default;
    CDataBuffer(CDataBuffer&&) noexcept = default;
    CDataBuffer& operator=(CDataBuffer&&) noexcept = default;

    std::uint32_t GetLength() const { return static_cast<std::uint32_t>(m_bytes.size()); }
    const std::uint8_t* GetData() const { return m_bytes.data(); }
    std::vector<std::uint8_t>& Bytes() { return m_bytes; }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

    bool operator==(const CDataBuffer& other) const { return m_bytes == other.m_bytes; }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace TavNet

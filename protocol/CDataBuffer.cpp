#include "protocol/CDataBuffer.hpp"

namespace TavNet {

CDataBuffer::CDataBuffer(const void* bytes, std::uint32_t length) {
    if (length == 0 || bytes == nullptr) return;
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    m_bytes.assign(first, first + length);
}

} // namespace TavNet

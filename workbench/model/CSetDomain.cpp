#include "workbench/model/CSetDomain.hpp"

#include "platform/FatalError.hpp"
#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

CSetDomain::CSetDomain(std::string id) : CDomain(std::move(id), Type::Set, false) {}

void CSetDomain::Store(TavArchiveWriter& out) const {
    CDomain::Store(out);
    out.IntArray(m_values);
}

void CSetDomain::Load(TavArchiveReader& in) {
    CDomain::Load(in);
    ExpectType(in, Type::Set);
    m_values = in.IntArray("a set domain's values");
}

void CSetDomain::GetValueStrings(std::vector<std::string>& out) const {
    for (int value : m_values)
        out.push_back(IntText(value));
}

void CSetDomain::Set(const std::string& id, const std::vector<int>& values) {
    m_id = id;
    CopyIntArray(values, m_values);
}

void CSetDomain::SetRange(int low, int high, int step) {
    if (step < 1) throw Platform::InternalError("CSetDomain::SetRange: the step must be positive");
    m_values.clear();
    // In 64 bits, so that a high bound near the top of int cannot make the walk wrap around.
    for (long long value = low; value <= high; value += step)
        m_values.push_back(static_cast<int>(value));
}

} // namespace TavWorkbench

#include "workbench/model/CDoubleDomain.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"

namespace TavWorkbench {

CDoubleDomain::CDoubleDomain(std::string id) : CDomain(std::move(id), Type::Float, true) {}

void CDoubleDomain::Store(TavArchiveWriter& out) const {
    CDomain::Store(out);
    out.Double(m_lower);
    out.Double(m_upper);
}

void CDoubleDomain::Load(TavArchiveReader& in) {
    CDomain::Load(in);
    ExpectType(in, Type::Float);
    m_lower = in.Double("a float domain's lower bound");
    m_upper = in.Double("a float domain's upper bound");
}

void CDoubleDomain::Set(const std::string& id, double lower, double upper) {
    m_id = id;
    m_lower = lower;
    m_upper = upper;
}

} // namespace TavWorkbench

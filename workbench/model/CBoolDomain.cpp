#include "workbench/model/CBoolDomain.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"

namespace TavWorkbench {

CBoolDomain::CBoolDomain(std::string id) : CDomain(std::move(id), Type::Boolean, true) {}

void CBoolDomain::Store(TavArchiveWriter& out) const {
    CDomain::Store(out);
    out.Int32(m_lower);
    out.Int32(m_upper);
}

void CBoolDomain::Load(TavArchiveReader& in) {
    CDomain::Load(in);
    ExpectType(in, Type::Boolean);
    m_lower = in.Int32("a Boolean domain's lower bound");
    m_upper = in.Int32("a Boolean domain's upper bound");
}

} // namespace TavWorkbench

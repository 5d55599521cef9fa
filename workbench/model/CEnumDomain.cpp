#include "workbench/model/CEnumDomain.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

CEnumDomain::CEnumDomain(std::string id) : CDomain(std::move(id), Type::Enumerated, false) {}

void CEnumDomain::Store(TavArchiveWriter& out) const {
    CDomain::Store(out);
    out.StringArray(m_values);
}

void CEnumDomain::Load(TavArchiveReader& in) {
    CDomain::Load(in);
    ExpectType(in, Type::Enumerated);
    m_values = in.StringArray("an enumerated domain's value names");
}

void CEnumDomain::GetValueStrings(std::vector<std::string>& out) const {
    out.insert(out.end(), m_values.begin(), m_values.end());
}

void CEnumDomain::Set(const std::string& id, const std::vector<std::string>& names) {
    m_id = id;
    CopyStringArray(names, m_values);
}

} // namespace TavWorkbench

#include "workbench/model/CConstraint.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

void CConstraint::Set(const std::string& id, const std::string& text) {
    m_id = id;
    m_text = text;
    m_referenced.clear();
}

void CConstraint::SetReferencedIDs(const std::vector<std::string>& ids) {
    CopyStringArray(ids, m_referenced);
}

void CConstraint::Store(TavArchiveWriter& out) const {
    out.Text(m_id);
    out.Text(m_text);
    out.StringArray(m_referenced);
}

void CConstraint::Load(TavArchiveReader& in) {
    m_id = in.Text("a constraint id");
    m_text = in.Text("a constraint text");
    m_referenced = in.StringArray("a constraint's referenced ids");
}

bool CConstraint::IsIDReferenced(const std::string& loweredID) const {
    for (const std::string& id : m_referenced)
        if (ToLowerAscii(id) == loweredID) return true;
    return false;
}

} // namespace TavWorkbench

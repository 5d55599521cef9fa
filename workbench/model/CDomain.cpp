#include "workbench/model/CDomain.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"

namespace TavWorkbench {

namespace {

struct DomainKind {
    const char* name;
    const char* keyword;
};

// Indexed by type code.
constexpr DomainKind kKinds[] = {
    {"Boolean", "BoolDom"}, {"Enumerated", "EnumDom"}, {"Integer", "IntDom"},
    {"Float", "FltDom"},    {"Set", "SetDom"},
};

} // namespace

CDomain::CDomain(std::string id, int type, bool predefined)
    : m_id(std::move(id)), m_type(type), m_predefined(predefined) {}

std::string CDomain::GetTypeName(int type) {
    return type >= 0 && type < 5 ? kKinds[type].name : "";
}

std::string CDomain::GetTypeKeyword(int type) {
    return type >= 0 && type < 5 ? kKinds[type].keyword : "";
}

void CDomain::Store(TavArchiveWriter& out) const {
    out.Text(m_id);
    out.Int32(m_type);
    out.Text(m_listConstID);
    out.Text(m_minConstID);
    out.Text(m_maxConstID);
}

void CDomain::Load(TavArchiveReader& in) {
    m_id = in.Text("a domain id");
    m_type = in.Int32("a domain type");
    m_listConstID = in.Text("a domain's list constant");
    m_minConstID = in.Text("a domain's minimum constant");
    m_maxConstID = in.Text("a domain's maximum constant");
}

void CDomain::ExpectType(TavArchiveReader& in, int type) const {
    if (m_type != type)
        in.Fail("domain record of class " + std::string(GetArchiveClass().name) + " has type code " +
                std::to_string(m_type));
}

} // namespace TavWorkbench

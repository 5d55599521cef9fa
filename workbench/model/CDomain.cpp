#include "workbench/model/CDomain.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"

namespace TavWorkbench {

namespace {

struct DomainKind {
    const char* name;
    const char* keyword;
};

DomainKind KindOf(CDomain::Type type) {
    switch (type) {
    case CDomain::Type::Boolean:
        return {"Boolean", "BoolDom"};
    case CDomain::Type::Enumerated:
        return {"Enumerated", "EnumDom"};
    case CDomain::Type::Integer:
        return {"Integer", "IntDom"};
    case CDomain::Type::Float:
        return {"Float", "FltDom"};
    case CDomain::Type::Set:
        return {"Set", "SetDom"};
    }
    return {"", ""};
}

std::int32_t CodeOf(CDomain::Type type) {
    return static_cast<std::int32_t>(type);
}

} // namespace

CDomain::CDomain(std::string id, Type type, bool predefined)
    : m_id(std::move(id)), m_type(type), m_predefined(predefined) {}

std::string CDomain::GetTypeName(Type type) {
    return KindOf(type).name;
}

std::string CDomain::GetTypeKeyword(Type type) {
    return KindOf(type).keyword;
}

void CDomain::Store(TavArchiveWriter& out) const {
    out.Text(m_id);
    out.Int32(CodeOf(m_type));
    out.Text(m_listConstID);
    out.Text(m_minConstID);
    out.Text(m_maxConstID);
}

void CDomain::Load(TavArchiveReader& in) {
    m_id = in.Text("a domain id");
    m_type = static_cast<Type>(in.Int32("a domain type"));
    m_listConstID = in.Text("a domain's list constant");
    m_minConstID = in.Text("a domain's minimum constant");
    m_maxConstID = in.Text("a domain's maximum constant");
}

void CDomain::ExpectType(TavArchiveReader& in, Type type) const {
    if (m_type != type)
        in.Fail("domain record of class " + std::string(GetArchiveClass().name) + " has type code " +
                std::to_string(CodeOf(m_type)));
}

} // namespace TavWorkbench

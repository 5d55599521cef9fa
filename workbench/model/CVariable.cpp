#include "workbench/model/CVariable.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

namespace {

struct VariableKind {
    const char* name;
    const char* keyword;
};

VariableKind KindOf(CVariable::Type type) {
    switch (type) {
    case CVariable::Type::BoolVar:
        return {"Boolean", "BoolVar"};
    case CVariable::Type::EnumVar:
        return {"Enumerated", "EnumVar"};
    case CVariable::Type::IntVar:
        return {"Integer", "IntVar"};
    case CVariable::Type::RealVar:
        return {"Float", "RealVar"};
    case CVariable::Type::SetVar:
        return {"Set", "SetVar"};
    case CVariable::Type::None:
        break;
    }
    return {"", ""};
}

} // namespace

CVariable::CVariable(std::string id) : m_id(std::move(id)) {}

CVariable::CVariable(std::string id, Type type) : m_id(std::move(id)), m_type(type) {}

CVariable::CVariable(std::string id, const CVariable& other)
    : m_id(std::move(id)), m_type(other.m_type), m_domainID(other.m_domainID), m_arrayFlag(other.m_arrayFlag),
      m_sizeText(other.m_sizeText) {}

CVariable::CVariable(std::string id, Type type, std::string domainID, int arrayFlag, std::string sizeText,
                     std::vector<int> dimensions)
    : m_id(std::move(id)), m_type(type), m_domainID(std::move(domainID)), m_arrayFlag(arrayFlag),
      m_sizeText(std::move(sizeText)), m_dimensions(std::move(dimensions)) {}

void CVariable::Set(const std::string& id, Type type, const std::string& domainID, int arrayFlag,
                    const std::string& sizeText, const std::vector<int>& dimensions) {
    m_id = id;
    m_reserved = 0;
    m_type = type;
    m_domainID = domainID;
    m_arrayFlag = arrayFlag;
    m_sizeText = sizeText;
    CopyIntArray(dimensions, m_dimensions);
}

void CVariable::Store(TavArchiveWriter& out) const {
    out.Text(m_id);
    out.Int32(m_reserved);
    out.Int32(static_cast<std::int32_t>(m_type));
    out.Text(m_domainID);
    out.Int32(m_arrayFlag);
    out.Text(m_sizeText);
    out.IntArray(m_dimensions);
}

void CVariable::Load(TavArchiveReader& in) {
    m_id = in.Text("a variable id");
    m_reserved = in.Int32("a variable's reserved field");
    m_type = static_cast<Type>(in.Int32("a variable type"));
    m_domainID = in.Text("a variable's domain id");
    m_arrayFlag = in.Int32("a variable's array flag");
    m_sizeText = in.Text("a variable's size text");
    m_dimensions = in.IntArray("a variable's dimensions");
}

std::string CVariable::GetTypeName(Type type) {
    return KindOf(type).name;
}

std::string CVariable::GetTypeKeyword(Type type) {
    return KindOf(type).keyword;
}

CVariable::Type CVariable::TypeOf(CDomain::Type domainType) {
    switch (domainType) {
    case CDomain::Type::Boolean:
        return Type::BoolVar;
    case CDomain::Type::Enumerated:
        return Type::EnumVar;
    case CDomain::Type::Integer:
        return Type::IntVar;
    case CDomain::Type::Float:
        return Type::RealVar;
    case CDomain::Type::Set:
        return Type::SetVar;
    }
    // The codes of the two families agree, so a stored code no kind has passes as it is.
    return static_cast<Type>(static_cast<std::int32_t>(domainType));
}

std::string CVariable::GetModelText() const {
    std::string text = GetTypeKeyword(m_type) + " " + m_id;
    if (m_arrayFlag != 0) {
        if (m_sizeText.empty()) {
            for (int dimension : m_dimensions)
                text += "[" + IntText(dimension) + "]";
        } else {
            text += "[" + m_sizeText + "]";
        }
    }
    if (m_type == Type::BoolVar || m_type == Type::RealVar) return text + ";";
    return text + "::" + m_domainID + ";";
}

std::string CVariable::GetDimensionText() const {
    std::string text;
    for (std::size_t i = 0; i < m_dimensions.size(); ++i) {
        if (i > 0) text += ",";
        text += IntText(m_dimensions[i]);
    }
    return text;
}

} // namespace TavWorkbench

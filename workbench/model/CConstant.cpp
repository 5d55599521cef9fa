#include "workbench/model/CConstant.hpp"

#include "workbench/archive/TavArchiveReader.hpp"
#include "workbench/archive/TavArchiveWriter.hpp"
#include "workbench/model/ModelHelpers.hpp"

namespace TavWorkbench {

CConstant::CConstant(std::string id, int value)
    : m_id(std::move(id)), m_value(IntText(value)), m_intValue(value), m_type(Type::Integer) {}

CConstant::CConstant(std::string id, std::string value, Type type)
    : m_id(std::move(id)), m_value(std::move(value)), m_type(type) {
    // An integer constant made from its text keeps its number, as one loaded from a file does.
    m_intValue = m_type == Type::Integer ? LeadingInteger(m_value) : 0;
}

void CConstant::Set(const std::string& id, const std::string& value, Type type) {
    m_id = id;
    m_value = value;
    m_type = type;
    m_intValue = m_type == Type::Integer ? LeadingInteger(m_value) : 0;
}

void CConstant::Store(TavArchiveWriter& out) const {
    out.Text(m_id);
    out.Text(m_value);
    out.Int32(static_cast<std::int32_t>(m_type));
}

void CConstant::Load(TavArchiveReader& in) {
    m_id = in.Text("a constant id");
    m_value = in.Text("a constant value");
    m_type = static_cast<Type>(in.Int32("a constant type"));
    m_intValue = m_type == Type::Integer ? LeadingInteger(m_value) : 0;
}

std::string CConstant::GetTypeName(Type type) {
    switch (type) {
    case Type::Integer:
        return "Integer";
    case Type::Set:
        return "Set";
    case Type::List:
        return "List";
    case Type::StringList:
        return "String";
    }
    return {};
}

std::vector<std::string> CConstant::SplitStringList(const std::string& value) {
    std::vector<std::string> entries;
    std::string piece;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '"' && piece.empty()) {
            // A quoted entry runs to the next quote, commas and all.
            const std::size_t close = value.find('"', i + 1);
            piece = value.substr(i + 1, close == std::string::npos ? std::string::npos : close - i - 1);
            if (close == std::string::npos) break;
            i = close;
            continue;
        }
        if (value[i] != ',') {
            piece += value[i];
            continue;
        }
        if (!piece.empty()) entries.push_back(piece);
        piece.clear();
    }
    if (!piece.empty()) entries.push_back(piece);
    return entries;
}

std::string CConstant::JoinStringList(const std::vector<std::string>& entries) {
    std::string value;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0) value += ",";
        value += entries[i].find(',') == std::string::npos ? entries[i] : "\"" + entries[i] + "\"";
    }
    return value;
}

std::string CConstant::QuotedElements(const std::string& value) {
    std::string text;
    for (const std::string& entry : SplitStringList(value)) {
        if (!text.empty()) text += ",";
        text += "\"" + entry + "\"";
    }
    return text;
}

std::string CConstant::GetModelText() const {
    const std::string head = m_id + " :=" + " ";
    switch (m_type) {
    case Type::Set:
        return head + "{" + m_value + "};";
    case Type::List:
        return head + "[" + m_value + "];";
    case Type::StringList:
        return head + "[" + QuotedElements(m_value) + "];";
    case Type::Integer:
        break;
    }
    // An integer, and a code no kind has, show the value text as it is.
    return head + m_value + ";";
}

} // namespace TavWorkbench

#include "language/ParserInfo.hpp"

#include "language/TokenCodes.hpp"

#include <ostream>

namespace TavLanguage {

ParserInfo::ParserInfo() : m_lists(1) {}

void ParserInfo::AddList(int token) {
    m_names.push_back(TokenName(token));
    m_lists.emplace_back();
}

void ParserInfo::AddItem(std::string text) {
    m_lists.back().push_back(std::move(text));
}

void ParserInfo::ReserveItems(std::size_t count) {
    m_lists.back().reserve(m_lists.back().size() + count);
}

void ParserInfo::Clear() {
    m_names.clear();
    m_lists.assign(1, {});
}

std::ostream& ParserInfo::Print(std::ostream& out) const {
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        out << m_names[i] << ": {";
        for (std::size_t k = 0; k < m_lists[i].size(); ++k)
            out << (k ? "," : "") << m_lists[i][k];
        out << "}\n";
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const ParserInfo& info) {
    return info.Print(out);
}

} // namespace TavLanguage

#include "language/tree/GenSymbolTable.hpp"

namespace TavLanguage {

GenSymbol& GenSymbolTable::Add(const std::string& name, GenSymbol symbol) {
    auto& bindings = m_symbols[name];
    bindings.push_back(std::make_unique<GenSymbol>(std::move(symbol)));
    return *bindings.back();
}

void GenSymbolTable::Remove(const std::string& name) {
    auto it = m_symbols.find(name);
    if (it == m_symbols.end()) return;
    it->second.pop_back();
    if (it->second.empty()) m_symbols.erase(it);
}

GenSymbol* GenSymbolTable::Find(const std::string& name) {
    auto it = m_symbols.find(name);
    return it == m_symbols.end() ? nullptr : it->second.back().get();
}

} // namespace TavLanguage

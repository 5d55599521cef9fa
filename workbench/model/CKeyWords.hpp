#pragma once
// The reserved words of the modelling language, in lower case; the identifier checks refuse
// them as names.

#include <set>
#include <string>

namespace TavWorkbench {

class CKeyWords {
public:
    // The 37 words.
    CKeyWords();
    // True when the id, lower-cased, is a reserved word.
    bool IsKeyWord(const std::string& id) const;
    int GetCount() const { return static_cast<int>(m_words.size()); }

private:
    std::set<std::string> m_words;
};

} // namespace TavWorkbench

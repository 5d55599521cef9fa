#pragma once
// A named set domain: the candidate values of a set variable, in the order given.

#include "localsearch/Obj.hpp"

#include <string>
#include <vector>

namespace GLSLib {

class SetDom : public Obj {
public:
    SetDom(const char* name, const std::vector<int>& values) : m_name(name ? name : ""), m_values(values) {}
    // Writes "{", the values separated by ",", "}".
    std::ostream& Print(std::ostream& os) const override;
    virtual const std::vector<int>& GetValues() const { return m_values; }
    virtual const std::string& GetName() const { return m_name; }

private:
    std::string m_name;
    std::vector<int> m_values;
};

} // namespace GLSLib

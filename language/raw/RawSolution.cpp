#include "language/raw/RawSolution.hpp"

#include "language/Bug.hpp"

#include <ostream>

namespace TavLanguage {

RawSolution::RawSolution(int number)
    : m_number(number), m_cost("nocost", nullptr), m_softCost("nosoftcost", nullptr) {}

const RawLabel& RawSolution::GetLabel(int index) const {
    if (index < 0 || index >= GetSize()) throw Bug("RawSolution.cpp", 10);
    return m_labels[static_cast<std::size_t>(index)];
}

const RawLabel* RawSolution::FindLabel(const std::string& name) const {
    for (const auto& label : m_labels) {
        if (label.GetName() == name) return &label;
    }
    return nullptr;
}

void RawSolution::SetCost(RPtr<RawExpr> value) {
    m_cost = RawLabel("cost", std::move(value));
}

void RawSolution::SetSoftCost(RPtr<RawExpr> value) {
    m_softCost = RawLabel("soft cost", std::move(value));
}

std::ostream& RawSolution::Print(std::ostream& out) const {
    out << "Solution " << m_number << "\n";
    for (const auto& label : m_labels) {
        out << "  " << label.GetName() << " = ";
        if (label.GetValue()) out << *label.GetValue();
        out << "\n";
    }
    for (const RawLabel* label : {&m_cost, &m_softCost}) {
        if (label->GetValue()) out << "  " << label->GetName() << " = " << *label->GetValue() << "\n";
    }
    return out;
}

} // namespace TavLanguage

#include "language/raw/RawSolutions.hpp"

#include "language/Bug.hpp"

namespace TavLanguage {

RawSolution& RawSolutions::AddSolution() {
    return m_solutions.emplace_back(GetCount() + 1);
}

const RawSolution& RawSolutions::GetSolution(int index) const {
    if (index < 0 || index >= GetCount()) throw Bug("RawSolutions.cpp", 8);
    return m_solutions[static_cast<std::size_t>(index)];
}

} // namespace TavLanguage

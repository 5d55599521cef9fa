#include "complete/VariableOrdering.hpp"

#include "complete/CSP.hpp"
#include "complete/Variable.hpp"
#include "platform/Random.hpp"

#include <cstdint>

namespace GFCLib {

namespace {
int FirstFree(const std::vector<Variable*>& list) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (!list[i]->IsInstantiated()) return static_cast<int>(i);
    return -1;
}
} // namespace

int FirstFreeInduced(CSP* problem, int level) {
    const int induced = FirstFree(problem->GetInducedVariables());
    if (induced >= 0) return static_cast<int>(problem->GetVariables().size()) + induced;
    return level;
}

int NaturalOrdering(CSP* problem, int level, bool mainListOnly, Platform::Random&) {
    const auto& decision = problem->GetVariables();
    const int first = FirstFree(decision);
    if (first >= 0) return first;
    if (mainListOnly) return level;
    return FirstFreeInduced(problem, level);
}

int RandomOrdering(CSP* problem, int level, bool mainListOnly, Platform::Random& random) {
    (void)level;
    const auto& decision = problem->GetVariables();
    const auto& induced = problem->GetInducedVariables();
    // Induced variables follow from the decision variables, so they are drawn only once every
    // decision variable is bound (as the smallest-domain chooser does).
    const auto countFree = [](const std::vector<Variable*>& list) {
        int n = 0;
        for (const Variable* v : list)
            n += v->IsInstantiated() ? 0 : 1;
        return n;
    };
    int offset = 0;
    const std::vector<Variable*>* list = &decision;
    int free = countFree(decision);
    if (free == 0 && !mainListOnly) {
        list = &induced;
        offset = static_cast<int>(decision.size());
        free = countFree(induced);
    }
    if (free <= 0) return -1;
    std::uint32_t k = static_cast<std::uint32_t>(random.Next()) % static_cast<std::uint32_t>(free);
    for (std::size_t p = 0; p < list->size(); ++p) {
        if ((*list)[p]->IsInstantiated()) continue;
        if (k == 0) return offset + static_cast<int>(p);
        --k;
    }
    return -1;
}

int SmallestDomainScan(CSP* problem, int level, bool mainListOnly) {
    (void)level;
    const auto& decision = problem->GetVariables();
    const auto& induced = problem->GetInducedVariables();
    const int n = static_cast<int>(decision.size()) + (mainListOnly ? 0 : static_cast<int>(induced.size()));
    int best = -1;
    int smallest = 0;
    for (int p = 0; p < n; ++p) {
        const Variable* v = p < static_cast<int>(decision.size())
                                ? decision[static_cast<std::size_t>(p)]
                                : induced[static_cast<std::size_t>(p) - decision.size()];
        if (v->IsInstantiated()) continue;
        const int size = v->GetDomainSize();
        if (best < 0 || size < smallest) {
            best = p;
            smallest = size;
        }
    }
    return best;
}

int SmallestDomainOrdering(CSP* problem, int level, bool mainListOnly, Platform::Random&) {
    const int best = SmallestDomainScan(problem, level, true);
    if (best >= 0) return best;
    if (mainListOnly) return -1;
    return FirstFreeInduced(problem, level);
}

} // namespace GFCLib

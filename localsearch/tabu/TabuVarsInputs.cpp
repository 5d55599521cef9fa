#include "localsearch/tabu/TabuVarsInputs.hpp"

namespace GLSLib {

namespace {

void Fill(std::vector<int>& out, const std::vector<Score>& row, int current,
          const std::vector<std::uint64_t>* tabu, std::uint64_t t) {
    out.clear();
    Score least = 0;
    for (int k = 0; k < static_cast<int>(row.size()); ++k) {
        if (k == current) continue;
        if (tabu != nullptr && t > 0 && (*tabu)[static_cast<unsigned>(k)] >= t) continue;
        const Score score = row[static_cast<unsigned>(k)];
        if (out.empty() || score < least) {
            least = score;
            out.clear();
        }
        if (score == least) out.push_back(k);
    }
}

} // namespace

void TabuVarsInputs::Initialise(int rows, int width) {
    m_lists.assign(static_cast<unsigned>(rows), {});
    for (std::vector<int>& list : m_lists)
        list.reserve(static_cast<unsigned>(width));
    m_stamps.assign(static_cast<unsigned>(rows), 0);
}

void TabuVarsInputs::Rebuild(int id, const std::vector<Score>& row, int current,
                             const std::vector<std::uint64_t>* tabu, std::uint64_t t) {
    Fill(m_lists[static_cast<unsigned>(id)], row, current, tabu, t);
    m_stamps[static_cast<unsigned>(id)] = tabu != nullptr ? t : 0;
}

std::vector<int> TabuVarsInputs::Expected(const std::vector<Score>& row, int current,
                                          const std::vector<std::uint64_t>* tabu, std::uint64_t t) {
    std::vector<int> out;
    Fill(out, row, current, tabu, t);
    return out;
}

} // namespace GLSLib

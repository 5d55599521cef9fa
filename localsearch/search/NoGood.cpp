#include "localsearch/search/NoGood.hpp"

#include "localsearch/IntVar.hpp"
#include "localsearch/ModelError.hpp"
#include "localsearch/features/NoGoodFeature.hpp"

namespace GLSLib {

namespace {
std::vector<IntObj*> AsArguments(const std::vector<IntVar*>& vars) {
    return std::vector<IntObj*>(vars.begin(), vars.end());
}
std::vector<int> CurrentValues(const std::vector<IntVar*>& vars) {
    std::vector<int> values;
    values.reserve(vars.size());
    for (IntVar* v : vars)
        values.push_back(v->GetValue());
    return values;
}
const std::vector<int>& CheckedLength(const std::vector<IntObj*>& args, const std::vector<int>& forbidden) {
    if (args.size() != forbidden.size())
        throw ModelError("NoGood needs one forbidden value per argument (" + std::to_string(args.size()) +
                         " arguments, " + std::to_string(forbidden.size()) + " values)");
    return forbidden;
}
} // namespace

NoGood::NoGood(const std::vector<IntObj*>& args, const std::vector<int>& forbidden)
    : NaryIntCon(args), m_forbidden(CheckedLength(args, forbidden)), m_current(args.size(), 0),
      m_matches(args.size(), 0), m_mismatches(static_cast<int>(args.size())) {}

NoGood* NoGood::ForbidCurrent(const std::vector<IntVar*>& vars) {
    return new NoGood(AsArguments(vars), CurrentValues(vars));
}

void NoGood::Initialise() {
    NaryIntCon::Initialise();
    m_mismatches = 0;
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        bool match = false;
        if (const IntResult v = m_args[i]->Value()) {
            m_current[i] = *v;
            match = m_current[i] == m_forbidden[i];
        }
        m_matches[i] = match ? 1 : 0;
        if (!match) ++m_mismatches;
    }
}

void NoGood::SetArgument(int position, bool defined, int value) {
    const auto i = static_cast<unsigned>(position);
    const bool match = defined && value == m_forbidden[i];
    if (defined) m_current[i] = value;
    if (match != (m_matches[i] != 0)) m_mismatches += match ? -1 : 1;
    m_matches[i] = match ? 1 : 0;
}

void NoGood::Update(int position, int value) {
    SetArgument(position, true, value);
    ForwardConChange();
}

void NoGood::UpdateUndefined(int position) {
    SetArgument(position, false, 0);
    ForwardConChange();
}

Feature* NoGood::CreateFeature() {
    return new NoGoodFeature(this);
}

} // namespace GLSLib

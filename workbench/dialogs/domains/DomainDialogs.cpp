#include "workbench/dialogs/domains/DomainDialogs.hpp"

#include "workbench/dialogs/domains/EnumDlgModel.hpp"
#include "workbench/dialogs/domains/FloatDomModel.hpp"
#include "workbench/dialogs/domains/NumDlgModel.hpp"
#include "workbench/dialogs/domains/SetDlgModel.hpp"
#include "workbench/dialogs/domains/TypeSelDlgModel.hpp"

namespace TavDialogs {

namespace {

template <class Model, class Domain>
std::unique_ptr<TavWorkbench::CDomain> RunOn(DialogHost& host, ProblemRefs refs, const Domain* domain,
                                             int index, DialogMode mode) {
    Model model(refs);
    if (domain != nullptr) model.Load(*domain, index, mode);
    if (!host.Run(model) || mode == DialogMode::ViewOnly) return nullptr;
    return model.MakeDomain();
}

} // namespace

std::unique_ptr<TavWorkbench::CDomain> RunNewDomainDialogs(DialogHost& host, ProblemRefs refs) {
    TypeSelDlgModel choice;
    if (!host.Run(choice)) return nullptr;
    if (choice.selection == TypeSelDlgModel::kInteger)
        return RunOn<NumDlgModel, TavWorkbench::CIntDomain>(host, refs, nullptr, -1, DialogMode::New);
    if (choice.selection == TypeSelDlgModel::kSet)
        return RunOn<SetDlgModel, TavWorkbench::CSetDomain>(host, refs, nullptr, -1, DialogMode::New);
    return nullptr;
}

std::unique_ptr<TavWorkbench::CDomain> RunDomainDialog(DialogHost& host, ProblemRefs refs, int index,
                                                       DialogMode mode) {
    if (index < 0 || index >= refs.domains.GetSize()) return nullptr;
    const TavWorkbench::CDomain* domain = refs.domains[index];
    if (const auto* d = dynamic_cast<const TavWorkbench::CEnumDomain*>(domain))
        return RunOn<EnumDlgModel>(host, refs, d, index, mode);
    if (const auto* d = dynamic_cast<const TavWorkbench::CIntDomain*>(domain))
        return RunOn<NumDlgModel>(host, refs, d, index, mode);
    if (const auto* d = dynamic_cast<const TavWorkbench::CDoubleDomain*>(domain))
        return RunOn<FloatDomModel>(host, refs, d, index, mode);
    if (const auto* d = dynamic_cast<const TavWorkbench::CSetDomain*>(domain))
        return RunOn<SetDlgModel>(host, refs, d, index, mode);
    return nullptr;
}

} // namespace TavDialogs

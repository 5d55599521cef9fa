#include "workbench/dialogs/transport/TransNumDlgModel.hpp"

#include "workbench/Validation.hpp"
#include "workbench/dialogs/NumberFields.hpp"
#include "workbench/dialogs/transport/WarningDlgModel.hpp"

namespace TavDialogs {

namespace {

bool ReadCount(const std::string& text, int& count, DialogMessages& messages) {
    unsigned value = 0;
    if (!ReadUIntField(text, value, messages)) return false;
    if (!TavWorkbench::DDV_MinUInt(value, 1, messages)) return false;
    if (!CheckIntRange(value, 1, TransNumDlgModel::kMaxCount, messages)) return false;
    count = static_cast<int>(value);
    return true;
}

} // namespace

bool TransNumDlgModel::OnOK(WizardHost& host) {
    int sources = 0, destinations = 0;
    m_focus = Field::Sources;
    if (!ReadCount(sourcesText, sources, host.Messages())) return false;
    m_focus = Field::Destinations;
    if (!ReadCount(destinationsText, destinations, host.Messages())) return false;
    m_focus = Field::Sources;
    if (m_assignment && sources != destinations) {
        WarningDlgModel warning(true, sources, destinations);
        if (host.Run(warning) == DialogEnd::Ok) return false;
    }
    m_sources = sources;
    m_destinations = destinations;
    return true;
}

} // namespace TavDialogs

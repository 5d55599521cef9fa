#include "workbench/dialogs/templates/UseTemplateCommand.hpp"

#include "workbench/dialogs/templates/ProblemTemplates.hpp"
#include "workbench/dialogs/templates/QueenDlgModel.hpp"
#include "workbench/dialogs/templates/ShedDlgModel.hpp"
#include "workbench/dialogs/templates/TSPOptionsDlgModel.hpp"
#include "workbench/dialogs/templates/TemplateDlgModel.hpp"

namespace TavDialogs {

namespace {

bool HasEveryDistance(const TavWorkbench::GridMap& map) {
    int value = 0;
    for (unsigned a = 1; a <= GridDlgModel::kCities; ++a)
        for (unsigned b = a + 1; b <= GridDlgModel::kCities; ++b)
            if (!map.LookupDistance(a, b, value)) return false;
    return true;
}

} // namespace

int UseTemplateCommand::Run() {
    for (;;) {
        TemplateDlgModel list;
        if (m_host.Run(list) != DialogEnd::Ok) return m_count;
        std::optional<Next> next = Next::Finish;
        switch (list.GetChoice()) {
        case TemplateDlgModel::kQueens:
            next = Queens();
            break;
        case TemplateDlgModel::kSalesman:
            next = Salesman();
            break;
        case TemplateDlgModel::kNurses:
        case TemplateDlgModel::kNurseSets:
            next = Nurses(list.GetChoice() == TemplateDlgModel::kNurseSets);
            break;
        default:
            Bins();
            break;
        }
        if (!next || *next == Next::Finish) return m_count;
    }
}

void UseTemplateCommand::Generated() {
    ++m_count;
    if (m_generated) m_generated();
}

std::optional<UseTemplateCommand::Next> UseTemplateCommand::Queens() {
    QueenDlgModel dialog;
    const DialogEnd end = m_host.Run(dialog);
    if (end == DialogEnd::Cancel) return std::nullopt;
    BuildQueensProblem(m_doc, dialog.GetQueens());
    Generated();
    return end == DialogEnd::Back ? Next::ShowListAgain : Next::Finish;
}

std::optional<UseTemplateCommand::Next> UseTemplateCommand::Salesman() {
    TavWorkbench::GridMap& distances = m_doc.GetDistances();
    if (!m_cityGrid) {
        if (!HasEveryDistance(distances)) distances.LoadDefaultDistances();
        m_cityGrid = GridDlgModel::City(distances);
    }
    const DialogEnd end = m_host.Run(*m_cityGrid);
    if (end == DialogEnd::Cancel) return std::nullopt;
    m_cityGrid->Store(distances);
    TSPOptionsDlgModel options(DefaultRouteLimit(distances, GridDlgModel::kCities), true, 1,
                               GridDlgModel::kCities);
    if (m_host.Run(options) == DialogEnd::Ok) {
        BuildSalesmanProblem(m_doc, GridDlgModel::kCities, options.GetOptions());
        Generated();
    }
    return end == DialogEnd::Back ? Next::ShowListAgain : Next::Finish;
}

std::optional<UseTemplateCommand::Next> UseTemplateCommand::Nurses(bool sets) {
    ShedDlgModel details;
    if (m_host.Run(details) != DialogEnd::Ok) return std::nullopt;
    const CSchedule schedule = details.GetSchedule();
    const bool sameGrid = m_demandGrid && m_demandGrid->Rows() == schedule.shifts + 1 &&
                          m_demandGrid->Cols() == schedule.days + 1 &&
                          m_demandDefault == schedule.defaultDemand;
    if (!sameGrid) {
        m_demandGrid = GridDlgModel::Demand(schedule.shifts, schedule.days, schedule.defaultDemand);
        m_demandDefault = schedule.defaultDemand;
    }
    const DialogEnd end = m_host.Run(*m_demandGrid);
    if (end == DialogEnd::Cancel) return std::nullopt;
    m_demandGrid->Store(m_doc.GetDistances());
    if (sets)
        BuildNurseSetProblem(m_doc, schedule);
    else
        BuildNurseProblem(m_doc, schedule);
    Generated();
    return end == DialogEnd::Back ? Next::ShowListAgain : Next::Finish;
}

void UseTemplateCommand::Bins() {
    if (m_host.Messages().AskBox("Use Sets", {}))
        BuildBinSetProblem(m_doc);
    else
        BuildBinProblem(m_doc);
    Generated();
}

} // namespace TavDialogs

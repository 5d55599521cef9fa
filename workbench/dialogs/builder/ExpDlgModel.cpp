#include "workbench/dialogs/builder/ExpDlgModel.hpp"

#include "workbench/model/CAvailCon.hpp"
#include "workbench/model/CDomain.hpp"
#include "workbench/model/ModelHelpers.hpp"
#include "workbench/model/ProblemText.hpp"

#include "language/ParserInfo.hpp"
#include "language/RawParser.hpp"
#include "language/raw/RawCSP.hpp"

#include <algorithm>
#include <exception>
#include <optional>
#include <sstream>

using namespace TavLanguage;

namespace TavDialogs {

namespace {

constexpr const char* kEol = "\r\n";

const std::vector<std::string>& ArithmeticEntries() {
    static const std::vector<std::string> entries{"+", "-", "*", "/", "%"};
    return entries;
}
const std::vector<std::string>& ComparisonEntries() {
    static const std::vector<std::string> entries{"<", "<=", "<>", "=", ">=", ">"};
    return entries;
}
const std::vector<std::string>& LogicalEntries() {
    static const std::vector<std::string> entries{"And", "Or", "Not", "Xor", "Implies", "IFF"};
    return entries;
}
const std::vector<std::string>& FunctionEntries() {
    static const std::vector<std::string> entries{
        "Abs(\xABIntVar\xBB)",
        "Power(\xABIntVar\xBB,\xABIntVar\xBB)",
        "Sum(\xABList of IntVars\xBB)",
        "ScalProd(\xABList of IntVars\xBB , \xABList of IntVars\xBB)",
        "Count(\xABList of Vars\xBB ,\xABValue List\xBB)",
        "Union(\xABList of SetVars\xBB)",
        "Intersection(\xABList of SetVars\xBB)",
        "Maximum([\xABList of IntVars\xBB])",
        "Maximum(\xAB"
        "Array Variable\xBB)",
        "Minimum([\xABList of IntVars\xBB])",
        "Minimum(\xAB"
        "Array Variable\xBB)",
    };
    return entries;
}
const std::vector<std::string>& OtherEntries() {
    static const std::vector<std::string> entries{"[ ]", "++", "#"};
    return entries;
}

std::size_t CountLineFeeds(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

// The message with its line number made relative to the candidate: "... (line 2 )". A message
// that names no line is shown as it is.
std::string RelativeMessage(const std::string& first, int line) {
    if (first.empty()) return "Error";
    const std::size_t at = first.rfind("(line");
    if (at == std::string::npos) return first;
    return first.substr(0, at + 5) + " " + std::to_string(line) + " )";
}

} // namespace

std::string ExpDlgModel::ForallTemplate(int number) {
    switch (number) {
    case 0:
        return "Forall ( i in [0 .. \xABmax\xBB] )";
    case 1:
        return "Forall ( i in [0 .. \xABmax\xBB], j in [0 .. \xABmax\xBB], i < j )";
    case 2:
        return "Forall ( i in [0 .. \xABmax\xBB], j in [0 .. \xABmax\xBB], i <> j )";
    default:
        return {};
    }
}

std::string ExpDlgModel::ReplaceNote() {
    return "Replace \xABinstructions\xBB \nwith desired values";
}

void ExpDlgModel::Load(const TavWorkbench::CConstraint& constraint, int index, DialogMode mode) {
    m_mode = mode;
    m_index = index;
    m_optimisation = false;
    id = constraint.GetID();
    text = constraint.GetText();
}

void ExpDlgModel::LoadOptimisation(const std::string& current) {
    m_mode = DialogMode::New;
    m_index = -1;
    m_optimisation = true;
    id.clear();
    text = current;
}

std::vector<ExpDlgModel::TreeNode> ExpDlgModel::TreeRoots() const {
    std::vector<TreeNode> roots{
        {"Variables", {"Single Variables", "Array Elements", "Set Variables", "Array Variables"}},
        {"Operators", {"All", "Arithmetic", "Comparison", "Logical", "Functions", "Others"}},
        {"Constraints", {"All Constraints", "Comparisons", "Set Constraints"}},
        {"Constants",
         {"All Constants", "Integer Constants", "Set Constants", "List Constants", "String Constants"}},
    };
    if (m_optimisation) roots.push_back({"Optimisation", {"All Optimisation"}});
    return roots;
}

void ExpDlgModel::OnSelectNode(const std::string& node) {
    m_list.clear();
    m_helpEnabled = false;
    const auto plain = [&](const std::vector<std::string>& entries) {
        for (const std::string& entry : entries)
            m_list.push_back({entry, kPlain, -1});
    };
    using Category = TavWorkbench::CAvailCon::Category;
    using ConstantType = TavWorkbench::CConstant::Type;
    // Empty: all of them.
    const auto templatesOf = [&](std::optional<Category> category) {
        for (int i = 0; i < m_templates.GetSize(); ++i)
            if (!category || m_templates[i]->GetCategory() == *category)
                m_list.push_back({m_templates[i]->GetName(), kTemplate, i});
    };
    const auto constantsOf = [&](std::optional<ConstantType> type) {
        for (const auto& constant : m_refs.constants)
            if (!type || constant->GetType() == *type) m_list.push_back({constant->GetID(), kPlain, -1});
    };
    if (node == "Arithmetic") {
        plain(ArithmeticEntries());
    } else if (node == "Comparison") {
        plain(ComparisonEntries());
    } else if (node == "Logical") {
        plain(LogicalEntries());
    } else if (node == "Functions") {
        plain(FunctionEntries());
    } else if (node == "Others") {
        plain(OtherEntries());
    } else if (node == "All") {
        plain(ArithmeticEntries());
        plain(ComparisonEntries());
        plain(LogicalEntries());
        plain(FunctionEntries());
        plain(OtherEntries());
    } else if (node == "Single Variables" || node == "Array Elements" || node == "Array Variables" ||
               node == "Set Variables") {
        for (const auto& variable : m_refs.variables) {
            if (node == "Single Variables" && !variable->IsArray())
                m_list.push_back({variable->GetID(), kPlain, -1});
            if (node == "Array Elements" && variable->IsArray())
                m_list.push_back({variable->GetID() + "[   ]", kPlain, -1});
            if (node == "Array Variables" && variable->IsArray())
                m_list.push_back({variable->GetID(), kPlain, -1});
            if (node == "Set Variables" && variable->GetType() == TavWorkbench::CVariable::Type::SetVar)
                m_list.push_back({variable->GetID(), kPlain, -1});
        }
    } else if (node == "All Constraints") {
        templatesOf(std::nullopt);
    } else if (node == "Comparisons") {
        templatesOf(Category::Comparison);
    } else if (node == "Set Constraints") {
        templatesOf(Category::SetConstraint);
    } else if (node == "All Constants") {
        constantsOf(std::nullopt);
    } else if (node == "Integer Constants") {
        constantsOf(ConstantType::Integer);
    } else if (node == "Set Constants") {
        constantsOf(ConstantType::Set);
    } else if (node == "List Constants") {
        constantsOf(ConstantType::List);
    } else if (node == "String Constants") {
        constantsOf(ConstantType::StringList);
    } else if (node == "All Optimisation") {
        m_list.push_back({"Maximise", kOptimisation, -1});
        m_list.push_back({"Minimise", kOptimisation, -1});
    }
}

std::string ExpDlgModel::OnSelectEntry(int row) {
    m_helpEnabled = false;
    if (row < 0 || row >= static_cast<int>(m_list.size())) return {};
    const ListEntry& entry = m_list[static_cast<std::size_t>(row)];
    if (entry.kind != kTemplate || entry.templateIndex < 0 || entry.templateIndex >= m_templates.GetSize())
        return {};
    m_helpEnabled = true;
    const TavWorkbench::CAvailCon& pattern = *m_templates[entry.templateIndex];
    std::string help = TavWorkbench::CAvailCon::GetHelpText(pattern.GetHelpID());
    return help.empty() ? pattern.GetTemplate() : help;
}

ExpDlgModel::Insertion ExpDlgModel::OnActivateEntry(int row) const {
    if (row < 0 || row >= static_cast<int>(m_list.size())) return {};
    const ListEntry& entry = m_list[static_cast<std::size_t>(row)];
    switch (entry.kind) {
    case kTemplate:
        if (entry.templateIndex < 0 || entry.templateIndex >= m_templates.GetSize()) return {};
        return {m_templates[entry.templateIndex]->GetTemplate(), true};
    case kOptimisation:
        return {entry.text + "(\xABinteger variable or integer expression\xBB);", true};
    default:
        return {entry.text, false};
    }
}

ExpDlgModel::Insertion ExpDlgModel::ButtonInsertion(const std::string& caption) {
    if (caption == "Abs") return {"Abs(\xABIntVar\xBB)", true};
    if (caption == "Pwr") return {"Power(\xABIntVar\xBB,\xABIntVar\xBB)", true};
    if (caption == "Sum") return {"Sum(\xABList of IntVars\xBB)", true};
    return {caption, false};
}

std::string ExpDlgModel::InsertAt(const std::string& original, int selStart, int selEnd,
                                  const std::string& what, int* caret) {
    const int size = static_cast<int>(original.size());
    const int start = std::clamp(std::min(selStart, selEnd), 0, size);
    const int end = std::clamp(std::max(selStart, selEnd), 0, size);
    const std::string inserted = what + " ";
    if (caret != nullptr) *caret = start + static_cast<int>(inserted.size());
    return original.substr(0, static_cast<std::size_t>(start)) + inserted +
           original.substr(static_cast<std::size_t>(end));
}

void ExpDlgModel::Select(std::size_t start, std::size_t end) {
    m_selStart = static_cast<int>(start);
    m_selEnd = static_cast<int>(end);
}

bool ExpDlgModel::CheckPhrasing(DialogMessages& messages) {
    m_focus = Field::Text;
    if (const std::size_t at = text.find(kPlaceholderOpen); at != std::string::npos) {
        Select(at, at + 1);
        messages.ShowBox("Please remove any \xAB characters\nand any instructions", {});
        return false;
    }
    if (const std::size_t at = text.find(kPlaceholderClose); at != std::string::npos) {
        Select(at, at + 1);
        messages.ShowBox("Please remove any \xBB characters\nand any instructions", {});
        return false;
    }
    if (m_optimisation) return true;
    for (const char* spelling : {"For All", "For all", "for All", "for all"}) {
        const std::size_t at = text.find(spelling);
        if (at == std::string::npos) continue;
        Select(at, at + 7);
        messages.ShowBox(std::string("Replace ") + spelling + " with Forall", {});
        text.replace(at, 7, "Forall");
        Select(at, at + 6);
        return false;
    }
    return true;
}

std::string ExpDlgModel::CheckText(int* linesBefore) const {
    // The sections before "Constraints" are those of the wizard's check text.
    int headLines = 0;
    const std::string whole = TavWorkbench::BuildProblemText(
        m_refs.constants, m_refs.domains, m_refs.variables, TavWorkbench::CConArray(), &headLines);
    std::size_t cut = 0;
    for (int line = 0; line < headLines && cut != std::string::npos; ++line) {
        cut = whole.find('\n', cut);
        if (cut != std::string::npos) ++cut;
    }
    std::string problem = cut == std::string::npos ? whole : whole.substr(0, cut);
    problem += "Constraints";
    problem += kEol;
    problem += "{";
    problem += kEol;
    if (m_optimisation) {
        for (const auto& constraint : m_refs.constraints) {
            problem += constraint->GetText();
            problem += kEol;
        }
        problem += kEol;
        problem += "}";
        problem += kEol;
        problem += "Optimisation";
        problem += kEol;
        problem += "{";
        problem += kEol;
    }
    if (linesBefore != nullptr) *linesBefore = static_cast<int>(CountLineFeeds(problem));
    problem += text;
    problem += kEol;
    problem += "}";
    problem += kEol;
    problem += kEol;
    problem += "}";
    return problem;
}

bool ExpDlgModel::CheckProblem(DialogMessages& messages, bool forOK) {
    int linesBefore = 0;
    const std::string problem = CheckText(&linesBefore);
    auto raw = std::make_unique<RawCSP>();
    ParserInfo info;
    ParserErr error;
    try {
        error = ParseCSPText(problem, &info, raw.get());
    } catch (const ParserErr& e) {
        error = e;
    } catch (const std::exception& e) {
        error = ParserErr(2, e.what());
    }
    m_errorLines.clear();
    if (!error.IsOk()) {
        m_focus = Field::Text;
        std::istringstream lines(error.Message());
        for (std::string line; std::getline(lines, line);)
            m_errorLines.push_back(line);
        // The parser may name a line outside the candidate (a closing brace it missed): the
        // user is shown the nearest line of the candidate.
        const int candidateLines = static_cast<int>(CountLineFeeds(text)) + 1;
        m_errorLine = std::clamp(error.GetLine() - linesBefore, 1, candidateLines);
        if (!m_errorLines.empty()) messages.ShowBox(RelativeMessage(m_errorLines.front(), m_errorLine), {});
        std::size_t start = 0;
        for (int line = 1; line < m_errorLine; ++line)
            start = text.find('\n', start) + 1;
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        if (end > start && text[end - 1] == '\r') --end;
        Select(start, end);
        return false;
    }
    if (forOK && !m_optimisation) {
        m_usedIDs.clear();
        for (const auto& list : info.GetLists())
            for (const std::string& name : list) {
                const std::string bare = name.substr(0, name.find('['));
                if (std::find(m_usedIDs.begin(), m_usedIDs.end(), bare) == m_usedIDs.end())
                    m_usedIDs.push_back(bare);
            }
    }
    return true;
}

bool ExpDlgModel::OnCheck(DialogMessages& messages) {
    m_selStart = m_selEnd = -1;
    if (!CheckPhrasing(messages)) return false;
    if (!CheckProblem(messages, false)) return false;
    messages.ShowInfo("Constraint OK", {});
    return true;
}

bool ExpDlgModel::CheckID(DialogMessages& messages) {
    m_focus = Field::ID;
    std::string refusal;
    if (id.empty())
        refusal = "An ID is required";
    else if (m_refs.constraints.IsIDUsedElsewhere(id, m_index))
        refusal = id + " already used\n Please Change";
    else if (m_refs.domains.IsIDUsedElsewhere(id, -1))
        refusal = "ID is used as a Domain ID - Please Change";
    else if (m_refs.variables.IsIDUsedElsewhere(id, -1))
        refusal = "ID is used as a Variable ID - Please Change";
    else if (m_refs.keyWords.IsKeyWord(id))
        refusal = "ID is used as a Key Word - Please Change";
    else if (m_refs.constants.IsIDUsedElsewhere(id, -1))
        refusal = "ID is used as a Constant ID - Please Change";
    if (refusal.empty()) return true;
    messages.ShowBox(refusal, {});
    return false;
}

bool ExpDlgModel::OnOK(DialogMessages& messages) {
    m_focus = Field::Text;
    m_selStart = m_selEnd = -1;
    if (text.empty()) {
        messages.ShowBox("No Constraint", {});
        return false;
    }
    if (!m_optimisation && !CheckID(messages)) return false;
    if (!CheckPhrasing(messages)) return false;
    return CheckProblem(messages, true);
}

void ExpDlgModel::Store(TavWorkbench::CConArray& constraints) const {
    auto constraint = std::make_unique<TavWorkbench::CConstraint>(id, text);
    constraint->SetReferencedIDs(m_usedIDs);
    if (m_index >= 0 && m_index < constraints.GetSize())
        constraints.ReplaceAt(m_index, std::move(constraint));
    else
        constraints.Add(std::move(constraint));
}

} // namespace TavDialogs

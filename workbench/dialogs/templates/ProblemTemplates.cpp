#include "workbench/dialogs/templates/ProblemTemplates.hpp"

#include "workbench/model/CConstant.hpp"
#include "workbench/model/CIntDomain.hpp"
#include "workbench/model/CSetDomain.hpp"

#include <memory>
#include <string>
#include <vector>

namespace TavDialogs {

using TavWorkbench::CConstant;
using TavWorkbench::CConstraint;
using TavWorkbench::CTavDoc;
using TavWorkbench::CVariable;

namespace {

constexpr const char* kEol = "\r\n";

std::string N(int value) {
    return std::to_string(value);
}

void AddConstraint(CTavDoc& doc, const std::string& id, const std::string& text,
                   const std::vector<std::string>& involved = {}) {
    auto constraint = std::make_unique<CConstraint>(id, text);
    if (!involved.empty()) constraint->SetReferencedIDs(involved);
    doc.GetConstraints().Add(std::move(constraint));
}

void AddArray(CTavDoc& doc, const std::string& id, CVariable::Type type, const std::string& domain,
              int length) {
    doc.GetVariables().AddVariable(id, type, domain, 1, "", {length});
}

void AddIntRange(CTavDoc& doc, const std::string& id, int lower, int upper) {
    auto domain = std::make_unique<TavWorkbench::CIntDomain>(id);
    domain->SetRange(lower, upper);
    doc.GetDomains().Add(std::move(domain));
}

void AddSetRange(CTavDoc& doc, const std::string& id, int low, int high) {
    auto domain = std::make_unique<TavWorkbench::CSetDomain>(id);
    domain->SetRange(low, high, 1);
    doc.GetDomains().Add(std::move(domain));
}

std::string Lines(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) {
        text += line;
        text += kEol;
    }
    return text;
}

std::string StaffSpan(int s) {
    return "Staff" + N(s) + "Span";
}

// "Staff<s>Span[<first>],...,Staff<s>Span[<last>]".
std::string SpanItems(int s, int first, int last) {
    std::string items;
    for (int day = first; day <= last; ++day) {
        if (day > first) items += ",";
        items += StaffSpan(s) + "[" + N(day) + "]";
    }
    return items;
}

int Distance(const TavWorkbench::GridMap& distances, int a, int b) {
    int value = 0;
    if (!distances.LookupDistance(static_cast<unsigned>(a), static_cast<unsigned>(b), value)) return 0;
    return value;
}

} // namespace

void BuildQueensProblem(CTavDoc& doc, int queens) {
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    doc.GetConstants().Add(std::make_unique<CConstant>("Queens", queens));
    doc.GetDomains().AddIntDomain("Column", "", "", "Queens", 0, 0, {}, 0, -1);
    doc.GetVariables().AddVariable("Row", CVariable::Type::IntVar, "Column", 1, "Queens", {});
    AddConstraint(doc, "Straints",
                  Lines({"Forall (i in [0 .. Queens - 1], j in [0 .. Queens - 1] , i < j)", "{",
                         "Row[i] <> Row[j];", "Row[i] - Row[j] <> i - j;", "Row[i] - Row[j] <> j - i;", "}"}),
                  {"Row"});
    doc.SetTitle("Queens Problem");
}

int DefaultRouteLimit(const TavWorkbench::GridMap& distances, int cities) {
    int limit = 0;
    for (int city = 2; city <= cities; ++city)
        limit += Distance(distances, 1, city);
    return limit;
}

void BuildSalesmanProblem(CTavDoc& doc, int cities, const TSPOptions& options) {
    const TavWorkbench::GridMap& distances = doc.GetDistances();
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    AddIntRange(doc, "DCity", 1, cities);
    AddIntRange(doc, "DDist", 1, 1000);
    AddArray(doc, "City", CVariable::Type::IntVar, "DCity", cities);
    AddArray(doc, "Dist", CVariable::Type::IntVar, "DDist", cities);
    if (options.specifyStartCity)
        AddConstraint(doc, "StartCity", "City[0] = " + N(options.startCity) + " ;", {"City"});
    AddConstraint(doc, "Different", "AllDifferent(City);", {"City"});
    int made = 0;
    for (int p = 0; p < cities; ++p) {
        const int q = p + 1 < cities ? p + 1 : 0;
        std::string text;
        for (int i = 1; i <= cities; ++i)
            for (int j = 1; j <= cities; ++j) {
                if (i == j) continue;
                text += "(city[" + N(p) + "] = " + N(i) + ") And (city[" + N(q) + "] = " + N(j) +
                        ") Implies (Dist[" + N(p) + "] = " + N(Distance(distances, i, j)) + ");" + kEol;
            }
        if (!text.empty()) AddConstraint(doc, "Distances" + N(++made), text, {"City", "Dist"});
    }
    AddConstraint(doc, "Limits", "sum(Dist) < " + N(options.routeLimit) + ";", {"Dist"});
    doc.SetTitle("Travelling SalesStaff");
}

int TemplateDemand(const TavWorkbench::GridMap& map, int shift, int dayColumn) {
    int value = 3;
    map.LookupDemand(static_cast<unsigned>(shift), static_cast<unsigned>(dayColumn), value);
    return value;
}

void BuildNurseProblem(CTavDoc& doc, const CSchedule& schedule) {
    const int S = schedule.staff;
    const int K = schedule.shifts;
    const int D = schedule.days;
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    AddIntRange(doc, "Shifts", 0, K);
    std::vector<std::string> staff;
    for (int s = 1; s <= S; ++s) {
        AddArray(doc, StaffSpan(s), CVariable::Type::IntVar, "Shifts", D);
        staff.push_back(StaffSpan(s));
    }

    std::string text;
    for (int s = 1; s <= S; ++s)
        text += "Count (" + StaffSpan(s) + ", [0]) >= " + N(schedule.minFreeDays) + ";" + kEol;
    AddConstraint(doc, "Restrictions", text, staff);

    std::vector<std::string> everyVariable;
    for (const auto& variable : doc.GetVariables())
        everyVariable.push_back(variable->GetID());
    for (int t = 0; t < D; ++t) {
        text.clear();
        for (int k = 1; k <= K; ++k) {
            text += "Count([";
            for (std::size_t v = 0; v < everyVariable.size(); ++v) {
                if (v > 0) text += ",";
                text += everyVariable[v] + "[" + N(t) + "]";
            }
            text += "],[" + N(k) + "])=" + N(TemplateDemand(doc.GetDistances(), k, t + 1)) + ";" + kEol;
        }
        AddConstraint(doc, "Demand" + N(t), text, everyVariable);
    }

    text.clear();
    for (int s = 1; s <= S; ++s)
        if (D >= 5)
            for (int w = 5; w <= D; ++w)
                text += "Count([" + SpanItems(s, w - 5, w - 1) + "],[3]) <= 4;" + kEol;
    AddConstraint(doc, "Nights", text, staff);

    text.clear();
    for (int s = 1; s <= S; ++s)
        if (D > 4)
            for (int w = 4; w <= D - 1; ++w) {
                text += "Count([" + SpanItems(s, w - 4, w - 1) + "],[3]) = 4 implies " + StaffSpan(s) + "[" +
                        N(w) + "] = 0";
                if (w + 1 < D) text += " and " + StaffSpan(s) + "[" + N(w + 1) + "] = 0";
                text += std::string(";") + kEol;
            }
    AddConstraint(doc, "NightsDayOff", text, staff);

    for (int s = 1; s <= S; ++s) {
        text.clear();
        const std::string span = StaffSpan(s);
        for (int t = 0; t + 1 < D; ++t) {
            const std::string today = span + "[" + N(t) + "]";
            const std::string tomorrow = span + "[" + N(t + 1) + "]";
            text += today + " = 2 implies " + tomorrow + " <> 1;" + kEol;
            text += today + " = 3 implies " + tomorrow + " <> 1 and " + tomorrow + " <> 2;" + kEol;
        }
        AddConstraint(doc, "NextShift" + N(s - 1), text, staff);
    }
    doc.SetTitle("Scheduling");
}

void BuildNurseSetProblem(CTavDoc& doc, const CSchedule& schedule) {
    const int S = schedule.staff;
    const int K = schedule.shifts;
    const int D = schedule.days;
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    AddSetRange(doc, "sdom", 1, S);
    for (int k = 1; k <= K; ++k)
        AddArray(doc, "Shift" + N(k), CVariable::Type::SetVar, "sdom", D);

    std::string text;
    for (int t = 0; t < D; ++t) {
        text += "AllDisjoint([";
        for (int k = 1; k <= K; ++k) {
            if (k > 1) text += ",";
            text += "Shift" + N(k) + "[" + N(t) + "]";
        }
        text += std::string("]);") + kEol;
    }
    AddConstraint(doc, "ShiftDay", text);

    text.clear();
    for (int k = 1; k <= K; ++k)
        for (int t = 0; t < D; ++t)
            text += "#Shift" + N(k) + "[" + N(t) + "] = " + N(TemplateDemand(doc.GetDistances(), k, t + 1)) +
                    " ;" + kEol;
    AddConstraint(doc, "ShiftDemand", text);

    text = "ForAll(i = [1.." + N(S) + "])" + kEol + "{" + kEol + "Count(";
    for (int k = 1; k <= K; ++k) {
        if (k > 1) text += "++";
        text += "Shift" + N(k);
    }
    text += ",[i]) <= " + N(D - schedule.minFreeDays) + ";" + kEol + "}" + kEol;
    AddConstraint(doc, "DaysOff", text);
}

void BuildBinProblem(CTavDoc& doc) {
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    AddIntRange(doc, "Bins", 1, 4);
    AddArray(doc, "Content1", CVariable::Type::IntVar, "Bins", 8);
    AddArray(doc, "Content2", CVariable::Type::IntVar, "Bins", 5);
    AddArray(doc, "Content3", CVariable::Type::IntVar, "Bins", 5);
    AddConstraint(doc, "NoMix1",
                  Lines({"Forall ( i= [0..7], j = [0..4])", "{", "Content1[i] <> Content3[j];", "}"}));
    AddConstraint(doc, "NoMix2",
                  Lines({"Forall ( i= [0..7], j = [0..4])", "{", "Content1[i] <> Content2[j];", "}"}));
    AddConstraint(doc, "Capacity",
                  Lines({"Count(Content1++Content2++Content3, [1]) <= 4;",
                         "Count(Content1++Content2++Content3, [2]) <= 4;",
                         "Count(Content1++Content2++Content3, [3]) <= 5;",
                         "Count(Content1++Content2++Content3, [4]) <= 5;"}));
}

void BuildBinSetProblem(CTavDoc& doc) {
    const TavWorkbench::TavModel::Batch batch(doc.GetModel());
    doc.DeleteContents();
    AddSetRange(doc, "Type1", 11, 18);
    AddSetRange(doc, "Type2", 21, 25);
    AddSetRange(doc, "Type3", 31, 35);
    AddArray(doc, "Bins1", CVariable::Type::SetVar, "Type1", 4);
    AddArray(doc, "Bins2", CVariable::Type::SetVar, "Type2", 4);
    AddArray(doc, "Bins3", CVariable::Type::SetVar, "Type3", 4);
    AddConstraint(doc, "NoMix",
                  Lines({"Forall(i=[0..3])", "{", "#Bins1[i] > 0 Implies #Bins3[i] = 0;",
                         "#Bins3[i] > 0 Implies #Bins1[i] = 0;", "#Bins1[i] > 0 Implies #Bins2[i] = 0;",
                         "#Bins2[i] > 0 Implies #Bins1[i] = 0;", "}"}));
    AddConstraint(
        doc, "Capacity",
        Lines({"#Bins1[0] + #Bins2[0] + #Bins3[0] <= 4;", "#Bins1[1] + #Bins2[1] + #Bins3[1] <= 4;",
               "#Bins1[2] + #Bins2[2] + #Bins3[2] <= 5;", "#Bins1[3] + #Bins2[3] + #Bins3[3] <= 5;"}));
    AddConstraint(doc, "Allin", Lines({"#Union(Bins1) = 8;", "#Union(Bins2) = 5;", "#Union(Bins3) = 5;"}));
    doc.SetTitle("Scheduling");
}

} // namespace TavDialogs

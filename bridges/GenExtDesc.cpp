#include "bridges/GenExtDesc.hpp"

#include "bridges/AllDifferentForm.hpp"
#include "bridges/RawKindVisitor.hpp"
#include "language/raw/RawRange.hpp"
#include "platform/Cancelled.hpp"
#include "platform/StopPoll.hpp"

#include <climits>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <utility>

using namespace TavLanguage;

namespace TavBridges {

namespace {

constexpr const char* kBoolDomain = "__BoolDomain";

using Unexpressible = GenExtDesc::Unexpressible;

[[noreturn]] void Refuse(const std::string& what, const RawExpr& node) {
    throw Unexpressible("The problem description cannot state " + what + ": " + node.ToString());
}

bool BothSets(const RPtr<RawExpr>& con) {
    return con->GetArgCount() == 2 && RawArg(con, 0)->IsSetValued() && RawArg(con, 1)->IsSetValued();
}

// Number of "<>" records of an all-different over m terms; refused beyond what a count holds.
int PairCount(int m, const RawExpr& node) {
    const std::int64_t pairs = m < 2 ? 0 : static_cast<std::int64_t>(m) * (m - 1) / 2;
    if (pairs > INT_MAX) Refuse("an all-different over this many terms", node);
    return static_cast<int>(pairs);
}

void CheckDepth(int depth, const RawExpr& node) {
    if (depth > GenExtDesc::kMaxDepth) Refuse("expressions nested this deeply", node);
}

} // namespace

GenExtDesc::GenExtDesc(RawCSP* problem, std::ostream* out, const std::atomic<bool>* stop)
    : m_problem(problem), m_stop(stop) {
    if (problem == nullptr || out == nullptr)
        throw Platform::InternalError("GenExtDesc: no problem or stream");
    *out << Write();
    out->flush();
}

GenExtDesc::GenExtDesc(RawCSP* problem, const std::atomic<bool>* stop) : m_problem(problem), m_stop(stop) {}

std::string GenExtDesc::Describe(RawCSP& problem, const std::atomic<bool>* stop) {
    return GenExtDesc(&problem, stop).Write();
}

std::string GenExtDesc::Write() {
    if (!m_problem->GetRealVariables().empty())
        throw Unexpressible("The problem description cannot state real variables: " +
                            m_problem->GetRealVariables().front()->GetName());
    // Everything goes to a buffer first, so that a problem refused half-way writes nothing; the
    // buffer's text is then moved out, not copied (tens of megabytes for a million variables).
    std::ostringstream text;
    int counter = 0;
    WriteDomainSection(text);
    WriteVariableSection(text);
    WriteConstraints(text, counter);
    WriteObjectiveSection(text, counter);
    text << "<END>\n";
    return std::move(text).str();
}

void GenExtDesc::CheckStop(std::size_t item) const {
    if (Platform::StopDue(m_stop, item)) throw Platform::Cancelled();
}

// ---- lexical helpers ----

std::string GenExtDesc::CheckedName(std::string name) {
    // A name must stay one token, and not one the reader could take for a number.
    bool ok = !name.empty();
    bool numeric = true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char ch = name[i];
        if (static_cast<unsigned char>(ch) <= ' ' || ch == '\x7f') ok = false;
        if (!(ch >= '0' && ch <= '9') && !(i == 0 && (ch == '-' || ch == '+'))) numeric = false;
    }
    if (numeric) ok = false;
    if (!ok) throw Unexpressible("The problem description cannot state the name \"" + name + "\"");
    return name;
}

void GenExtDesc::StartRecord(const char* keyword, std::ostream& out, int& counter) {
    if (counter == INT_MAX) throw Unexpressible("The problem description cannot number this many records");
    out << counter << '\n' << keyword << '\n';
    ++counter;
}

std::vector<int> GenExtDesc::IntegerValues(const RPtr<RawExpr>& collection) {
    if (!collection->IsArray() && !collection->IsSet() && collection->GetType() != RawType::Range)
        Refuse("a list of integers given as", *collection);
    std::vector<int> values;
    const int size = collection->GetSize();
    values.reserve(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        RPtr<RawExpr> element = collection->GetElement(i);
        if (!element->IsInt() || !element->IsVal()) Refuse("a list element that is not an integer", *element);
        values.push_back(element->GetInt());
    }
    return values;
}

void GenExtDesc::WriteIntegerList(const std::vector<int>& values, std::ostream& out) {
    out << values.size() << '\n';
    for (int v : values)
        out << v << ' ';
    out << '\n';
}

int GenExtDesc::ArraySize(const RPtr<RawExpr>& array) {
    if (!array->IsArray()) Refuse("a list given as", *array);
    return array->GetSize();
}

// ---- domains and variables ----

void GenExtDesc::WriteDomainSection(std::ostream& out) {
    const auto& domains = m_problem->GetDomains();
    if (domains.empty()) return;
    std::ostringstream forms;
    int written = 0;
    for (const auto& domain : domains)
        if (WriteDomain(domain, forms)) ++written;
    out << "<D>\n" << written << '\n' << forms.str();
}

bool GenExtDesc::WriteDomain(const RPtr<RawDom>& domain, std::ostream& out) {
    const RPtr<RawCol>& values = domain->GetValues();
    switch (domain->GetType()) {
    case RawType::IntDom:
        if (values->GetType() == RawType::Range) {
            const auto& range = static_cast<const RawRange&>(*values);
            out << "IntDom\n" << CheckedName(domain->GetName()) << "\nRangeDom\n";
            out << range.GetLow() << '\n' << range.GetHigh() << '\n';
        } else if (values->GetType() == RawType::Array) {
            std::vector<int> list = IntegerValues(values);
            out << "IntDom\n" << CheckedName(domain->GetName()) << "\nListDom\n";
            WriteIntegerList(list, out);
        } else {
            Refuse("the integer domain", *domain);
        }
        return true;
    case RawType::SetDom: {
        std::vector<int> list = IntegerValues(values);
        out << "SetDom\n" << CheckedName(domain->GetName()) << ' ' << list.size() << '\n';
        for (int v : list)
            out << v << ' ';
        out << '\n';
        return true;
    }
    default:
        // Boolean, real and string domains have no form of their own; a variable that uses
        // one is refused where it is written, and an unused one changes nothing.
        return false;
    }
}

void GenExtDesc::WriteVariableSection(std::ostream& out) {
    const auto& variables = m_problem->GetVariables();
    long long setElements = 0;
    for (const auto& variable : variables)
        if (variable->GetType() == RawType::SetVar && variable->GetDomain()) {
            const long long elements = variable->GetDomain()->GetValues()->GetSize();
            if (elements > kMaxSetVariableElements)
                Refuse("a set variable with this many possible elements", *variable);
            setElements += elements;
            if (setElements > kMaxSetElements)
                Refuse("set variables with this many possible elements in all", *variable);
        }
    out << "<Z>\n" << variables.size() << '\n';
    std::size_t item = 0;
    for (const auto& variable : variables) {
        CheckStop(item++);
        WriteVariable(variable, out);
    }
}

void GenExtDesc::WriteVariable(const RPtr<RawVar>& variable, std::ostream& out) {
    const std::string name = CheckedName(variable->GetName());
    RPtr<RawDom> domain;
    switch (variable->GetType()) {
    case RawType::BoolVar:
        out << "INTVAR\n" << name << '\n' << kBoolDomain << '\n';
        return;
    case RawType::IntVar:
        if (!m_problem->FindDomain(variable->GetDomainName(), RawType::IntDom, domain))
            Refuse("a variable whose integer domain is not declared", *variable);
        out << "INTVAR\n" << name << '\n' << CheckedName(variable->GetDomainName()) << '\n';
        return;
    case RawType::SetVar:
        if (!m_problem->FindDomain(variable->GetDomainName(), RawType::SetDom, domain))
            Refuse("a set variable whose set domain is not declared", *variable);
        out << "SetVar\n" << name << '\n' << CheckedName(variable->GetDomainName()) << '\n';
        return;
    default:
        Refuse("the variable type of", *variable);
    }
}

// ---- constraints ----

void GenExtDesc::WriteConstraints(std::ostream& out, int& counter) {
    std::ostringstream records;
    std::int64_t topLevel = 0;
    std::size_t item = 0;
    for (const auto& con : m_problem->GetConstraints()) {
        CheckStop(item++);
        topLevel += WriteTopLevelConstraint(con, records, counter);
    }
    for (const auto& soft : m_problem->GetSoftConstraints()) {
        CheckStop(item++);
        RPtr<RawExpr> weight = RawArg(soft, 1);
        if (!weight->IsInt() || !weight->IsVal())
            Refuse("a soft constraint whose weight is not an integer", *soft);
        StartRecord("SOFTCON", records, counter);
        records << weight->GetInt() << '\n';
        WriteCondition(RawArg(soft, 0), records, counter, 1);
        ++topLevel;
    }
    if (topLevel > INT_MAX) throw Unexpressible("The problem description cannot state this many constraints");
    out << "<C>\n" << topLevel << '\n' << records.str();
}

int GenExtDesc::WriteTopLevelConstraint(const RPtr<RawExpr>& con, std::ostream& out, int& counter) {
    if (con->GetType() != RawType::AllDifferent) {
        WriteConstraint(con, out, counter, 0);
        return 1;
    }
    // Stated as the local-search bridge states it: its pairs, or one record for a long list.
    ConstraintTable().CheckArgCount(*con);
    const int m = ArraySize(RawArg(con, 0));
    if (!TavBridges::AllDifferentAsPairs(m)) {
        WriteConstraint(con, out, counter, 0);
        return 1;
    }
    WriteAllDifferentPairs(con, out, counter, 0);
    return PairCount(m, *con);
}

void GenExtDesc::WriteAllDifferentPairs(const RPtr<RawExpr>& con, std::ostream& out, int& counter,
                                        int depth) {
    RPtr<RawExpr> list = RawArg(con, 0);
    const int m = ArraySize(list);
    for (int i = 0; i < m; ++i)
        for (int j = i + 1; j < m; ++j) {
            StartRecord("<>", out, counter);
            WriteExpression(list->GetElement(i), out, counter, depth + 1);
            WriteExpression(list->GetElement(j), out, counter, depth + 1);
        }
}

void GenExtDesc::WriteSubsetRecord(const RPtr<RawExpr>& a, const RPtr<RawExpr>& b, std::ostream& out,
                                   int& counter, int depth) {
    StartRecord("Subset", out, counter);
    WriteSetArgument(a, out, counter, depth + 1);
    WriteSetArgument(b, out, counter, depth + 1);
}

void GenExtDesc::WriteSetEquality(const RPtr<RawExpr>& con, std::ostream& out, int& counter, int depth) {
    StartRecord("AND", out, counter);
    out << "2\n";
    WriteSubsetRecord(RawArg(con, 0), RawArg(con, 1), out, counter, depth + 1);
    WriteSubsetRecord(RawArg(con, 1), RawArg(con, 0), out, counter, depth + 1);
}

void GenExtDesc::WriteCondition(const RPtr<RawExpr>& expr, std::ostream& out, int& counter, int depth) {
    if (expr->IsCon()) {
        WriteConstraint(expr, out, counter, depth);
        return;
    }
    // A value in a condition's place holds when it is not 0.
    CheckDepth(depth, *expr);
    StartRecord("<>", out, counter);
    WriteExpression(expr, out, counter, depth + 1);
    out << "INTVAL\n0\n";
}

void GenExtDesc::WriteConstraint(const RPtr<RawExpr>& con, std::ostream& out, int& counter, int depth) {
    CheckDepth(depth, *con);
    ConstraintTable().Visit(*this, con, out, counter, depth);
}

void GenExtDesc::WriteBinary(const char* keyword, const RPtr<RawExpr>& node, int first, int second,
                             std::ostream& out, int& counter, int depth) {
    StartRecord(keyword, out, counter);
    WriteExpression(RawArg(node, first), out, counter, depth + 1);
    WriteExpression(RawArg(node, second), out, counter, depth + 1);
}

void GenExtDesc::WriteConditionPair(const char* keyword, const RPtr<RawExpr>& con, std::ostream& out,
                                    int& counter, int depth) {
    StartRecord(keyword, out, counter);
    out << "2\n";
    WriteCondition(RawArg(con, 0), out, counter, depth + 1);
    WriteCondition(RawArg(con, 1), out, counter, depth + 1);
}

// Short names for the handlers of the translation tables below.
using Self = GenExtDesc;
using N = const RPtr<RawExpr>&;
using O = std::ostream&;

const GenExtDesc::ConstraintKinds& GenExtDesc::ConstraintTable() {
    auto andOr = [](Self& w, N con, O out, int& counter, int depth) {
        const char* keyword = con->GetType() == RawType::And ? "AND" : "OR";
        if (con->GetArgCount() == 2) {
            w.WriteConditionPair(keyword, con, out, counter, depth);
            return;
        }
        StartRecord(keyword, out, counter);
        if (con->GetArgCount() == 1 && RawArg(con, 0)->IsArray()) {
            RPtr<RawExpr> list = RawArg(con, 0);
            out << list->GetSize() << '\n';
            for (int i = 0; i < list->GetSize(); ++i)
                w.WriteCondition(list->GetElement(i), out, counter, depth + 1);
        } else {
            out << con->GetArgCount() << '\n';
            for (int i = 0; i < con->GetArgCount(); ++i)
                w.WriteCondition(RawArg(con, i), out, counter, depth + 1);
        }
        out << '\n';
    };
    static const ConstraintKinds table(
        "The problem description", "constraint",
        {
            {RawType::AllDifferent,
             [](Self& w, N con, O out, int& counter, int depth) {
                 const int m = ArraySize(RawArg(con, 0));
                 if (!TavBridges::AllDifferentAsPairs(m)) {
                     StartRecord("AllDifferent", out, counter);
                     w.WriteArrayExpressions(RawArg(con, 0), out, counter, depth + 1);
                     return;
                 }
                 StartRecord("AND", out, counter);
                 out << PairCount(m, *con) << '\n';
                 w.WriteAllDifferentPairs(con, out, counter, depth + 1);
             }},
            {RawType::Sequence,
             [](Self& w, N con, O out, int& counter, int depth) {
                 std::vector<int> values = IntegerValues(RawArg(con, 1));
                 StartRecord("Sequence", out, counter);
                 w.WriteArrayExpressions(RawArg(con, 0), out, counter, depth + 1);
                 WriteIntegerList(values, out);
             }},
            {RawType::Element,
             [](Self& w, N con, O out, int& counter, int depth) {
                 std::vector<int> values = IntegerValues(RawArg(con, 1));
                 StartRecord("ELEMENT", out, counter);
                 w.WriteExpression(RawArg(con, 0), out, counter, depth + 1);
                 w.WriteExpression(RawArg(con, 2), out, counter, depth + 1);
                 WriteIntegerList(values, out);
             }},
            {RawType::Member,
             [](Self& w, N con, O out, int& counter, int depth) {
                 StartRecord("MEMBER", out, counter);
                 w.WriteExpression(RawArg(con, 0), out, counter, depth + 1);
                 w.WriteSetArgument(RawArg(con, 1), out, counter, depth + 1);
             }},
            {RawType::NotMember,
             [](Self& w, N con, O out, int& counter, int depth) {
                 StartRecord("NOT", out, counter);
                 StartRecord("MEMBER", out, counter);
                 w.WriteExpression(RawArg(con, 0), out, counter, depth + 2);
                 w.WriteSetArgument(RawArg(con, 1), out, counter, depth + 2);
             }},
            {RawType::AllDisjoint,
             [](Self& w, N con, O out, int& counter, int depth) {
                 StartRecord("AllDisjoint", out, counter);
                 w.WriteSetCollection(RawArg(con, 0), out, counter, depth + 1);
             }},
            {RawType::Subset,
             [](Self& w, N con, O out, int& counter, int depth) {
                 w.WriteSubsetRecord(RawArg(con, 0), RawArg(con, 1), out, counter, depth);
             }},
            {RawType::StrictSubset,
             [](Self& w, N con, O out, int& counter, int depth) {
                 // A is a subset of B and B has more members.
                 StartRecord("AND", out, counter);
                 out << "2\n";
                 w.WriteSubsetRecord(RawArg(con, 0), RawArg(con, 1), out, counter, depth + 1);
                 StartRecord(">", out, counter);
                 out << "CARD\n";
                 w.WriteSetArgument(RawArg(con, 1), out, counter, depth + 2);
                 out << "CARD\n";
                 w.WriteSetArgument(RawArg(con, 0), out, counter, depth + 2);
             }},
            {RawType::Equal,
             [](Self& w, N con, O out, int& counter, int depth) {
                 if (BothSets(con))
                     w.WriteSetEquality(con, out, counter, depth);
                 else
                     w.WriteBinary("=", con, 0, 1, out, counter, depth);
             }},
            {RawType::Greater, [](Self& w, N con, O out, int& counter,
                                  int depth) { w.WriteBinary(">", con, 0, 1, out, counter, depth); }},
            {RawType::GreaterEqual, [](Self& w, N con, O out, int& counter,
                                       int depth) { w.WriteBinary(">=", con, 0, 1, out, counter, depth); }},
            {RawType::Less, [](Self& w, N con, O out, int& counter,
                               int depth) { w.WriteBinary(">", con, 1, 0, out, counter, depth); }},
            {RawType::LessEqual, [](Self& w, N con, O out, int& counter,
                                    int depth) { w.WriteBinary(">=", con, 1, 0, out, counter, depth); }},
            {RawType::NotEqual,
             [](Self& w, N con, O out, int& counter, int depth) {
                 if (BothSets(con)) {
                     StartRecord("NOT", out, counter);
                     w.WriteSetEquality(con, out, counter, depth + 1);
                 } else {
                     w.WriteBinary("<>", con, 0, 1, out, counter, depth);
                 }
             }},
            {{RawType::And, RawType::Or}, andOr},
            {RawType::Implies, [](Self& w, N con, O out, int& counter,
                                  int depth) { w.WriteConditionPair("IMPLIES", con, out, counter, depth); }},
            {RawType::Iff, [](Self& w, N con, O out, int& counter,
                              int depth) { w.WriteConditionPair("IFF", con, out, counter, depth); }},
            {RawType::Xor, [](Self& w, N con, O out, int& counter,
                              int depth) { w.WriteConditionPair("XOR", con, out, counter, depth); }},
            {RawType::Not,
             [](Self& w, N con, O out, int& counter, int depth) {
                 StartRecord("NOT", out, counter);
                 w.WriteCondition(RawArg(con, 0), out, counter, depth + 1);
                 out << '\n';
             }},
        });
    return table;
}

// ---- expressions ----

void GenExtDesc::WriteArrayExpressions(const RPtr<RawExpr>& array, std::ostream& out, int& counter,
                                       int depth) {
    const int m = ArraySize(array);
    out << m << '\n';
    for (int i = 0; i < m; ++i)
        WriteExpression(array->GetElement(i), out, counter, depth);
    out << "\n\n";
}

void GenExtDesc::WriteSetCollection(const RPtr<RawExpr>& array, std::ostream& out, int& counter, int depth) {
    const int m = ArraySize(array);
    out << m << '\n';
    for (int i = 0; i < m; ++i)
        WriteSetArgument(array->GetElement(i), out, counter, depth);
    out << '\n';
}

void GenExtDesc::WriteExpression(const RPtr<RawExpr>& expr, std::ostream& out, int& counter, int depth) {
    if (expr->IsCon()) {
        WriteConstraint(expr, out, counter, depth);
        return;
    }
    CheckDepth(depth, *expr);
    ExpressionTable().Visit(*this, expr, out, counter, depth);
}

const GenExtDesc::ExpressionKinds& GenExtDesc::ExpressionTable() {
    // The text's keywords of these operators are the kinds' own names ("+", "Sum", ...).
    auto binary = [](Self& w, N expr, O out, int& counter, int depth) {
        out << RawTypeName(expr->GetType()) << '\n';
        w.WriteExpression(RawArg(expr, 0), out, counter, depth + 1);
        w.WriteExpression(RawArg(expr, 1), out, counter, depth + 1);
    };
    auto listAndValues = [](Self& w, N expr, O out, int& counter, int depth) {
        std::vector<int> values = IntegerValues(RawArg(expr, 1));
        out << RawTypeName(expr->GetType()) << '\n';
        w.WriteArrayExpressions(RawArg(expr, 0), out, counter, depth + 1);
        WriteIntegerList(values, out);
    };
    auto list = [](Self& w, N expr, O out, int& counter, int depth) {
        out << RawTypeName(expr->GetType()) << '\n';
        w.WriteArrayExpressions(RawArg(expr, 0), out, counter, depth + 1);
    };
    auto variable = [](Self&, N expr, O out, int&, int) {
        if (dynamic_cast<const RawVar*>(expr.Get()) == nullptr) Refuse("a variable reference", *expr);
        out << "INTVAR\n" << CheckedName(expr->GetName()) << '\n';
    };
    auto value = [](Self&, N expr, O out, int&, int) { out << "INTVAL\n" << expr->GetInt() << '\n'; };
    static const ExpressionKinds table(
        "The problem description", "expression",
        {
            {{RawType::Minimum, RawType::Maximum, RawType::Sum}, list},
            {{RawType::Count, RawType::ScalProd}, listAndValues},
            {{RawType::Plus, RawType::Times, RawType::Divide, RawType::Modulo}, binary},
            {RawType::Minus,
             [](Self& w, N expr, O out, int& counter, int depth) {
                 // The negation is written as 0 minus the operand.
                 if (expr->GetArgCount() == 1)
                     out << "-\nINTVAL\n0\n";
                 else
                     out << "-\n";
                 for (int i = 0; i < expr->GetArgCount(); ++i)
                     w.WriteExpression(RawArg(expr, i), out, counter, depth + 1);
             }},
            {RawType::Abs,
             [](Self& w, N expr, O out, int& counter, int depth) {
                 out << "Abs\n";
                 w.WriteExpression(RawArg(expr, 0), out, counter, depth + 1);
             }},
            {RawType::Power,
             [](Self& w, N expr, O out, int& counter, int depth) {
                 RPtr<RawExpr> exponent = RawArg(expr, 1);
                 if (!exponent->IsInt() || !exponent->IsVal())
                     Refuse("a power whose exponent is not a constant", *expr);
                 out << "Power\n";
                 w.WriteExpression(RawArg(expr, 0), out, counter, depth + 1);
                 out << "INTVAL\n" << exponent->GetInt() << '\n';
             }},
            {RawType::Index,
             [](Self& w, N expr, O out, int& counter, int depth) {
                 std::vector<int> values = IntegerValues(RawArg(expr, 1));
                 out << "Index\n";
                 w.WriteExpression(RawArg(expr, 0), out, counter, depth + 1);
                 WriteIntegerList(values, out);
             }},
            {RawType::Cardinality,
             [](Self& w, N expr, O out, int& counter, int depth) {
                 out << "CARD\n";
                 w.WriteSetArgument(RawArg(expr, 0), out, counter, depth + 1);
             }},
            {{RawType::BoolVar, RawType::IntVar}, variable},
            {{RawType::IntVal, RawType::BoolVal}, value},
        });
    return table;
}

void GenExtDesc::WriteSetArgument(const RPtr<RawExpr>& expr, std::ostream& out, int& counter, int depth) {
    CheckDepth(depth, *expr);
    SetTable().Visit(*this, expr, out, counter, depth);
}

const GenExtDesc::ExpressionKinds& GenExtDesc::SetTable() {
    auto collection = [](Self& w, N expr, O out, int& counter, int depth) {
        out << RawTypeName(expr->GetType()) << '\n';
        w.WriteSetCollection(RawArg(expr, 0), out, counter, depth + 1);
    };
    static const ExpressionKinds table("The problem description", "set expression",
                                       {
                                           {RawType::SetVar,
                                            [](Self&, N expr, O out, int&, int) {
                                                out << "SetVar\n" << CheckedName(expr->GetName()) << '\n';
                                            }},
                                           {RawType::SetVal,
                                            [](Self&, N expr, O out, int&, int) {
                                                out << "SetVal\n";
                                                WriteIntegerList(IntegerValues(expr), out);
                                            }},
                                           {{RawType::Union, RawType::Intersection}, collection},
                                       });
    return table;
}

// ---- objective ----

void GenExtDesc::WriteObjectiveSection(std::ostream& out, int& counter) {
    const RPtr<RawOpt>& objective = m_problem->GetObjective();
    if (!objective) return;
    out << "<Opt>\n";
    StartRecord("Minimise", out, counter);
    // A maximisation is the minimisation of 0 minus the expression.
    if (objective->GetType() == RawType::Maximise) out << "-\nINTVAL\n0\n";
    WriteExpression(objective->GetExpression(), out, counter, 1);
}

} // namespace TavBridges

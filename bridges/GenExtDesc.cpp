#include "bridges/GenExtDesc.hpp"

#include "language/raw/RawRange.hpp"

#include <climits>
#include <cstdint>
#include <ostream>
#include <sstream>

namespace {

constexpr const char* kBoolDomain = "__BoolDomain";

using Unexpressible = GenExtDesc::Unexpressible;

[[noreturn]] void Refuse(const std::string& what, const RawExpr& node) {
    throw Unexpressible("The problem description cannot state " + what + ": " + node.ToString());
}

RPtr<RawExpr> Arg(const RPtr<RawExpr>& expr, int index) {
    if (index >= expr->GetArgCount()) Refuse("a node with too few arguments", *expr);
    return expr->GetArg(index);
}

void CheckArgCount(const RPtr<RawExpr>& expr, int count) {
    if (expr->GetArgCount() != count) Refuse("a node with this number of arguments", *expr);
}

bool BothSets(const RPtr<RawExpr>& con) {
    return con->GetArgCount() == 2 && Arg(con, 0)->IsSetValued() && Arg(con, 1)->IsSetValued();
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

GenExtDesc::GenExtDesc(RawCSP* problem, std::ostream* out) : m_problem(problem) {
    if (problem == nullptr || out == nullptr)
        throw Platform::InternalError("GenExtDesc: no problem or stream");
    if (!problem->GetRealVariables().empty())
        throw Unexpressible("The problem description cannot state real variables: " +
                            problem->GetRealVariables().front()->GetName());
    // Everything goes to a buffer first, so that a problem refused half-way writes nothing.
    std::ostringstream text;
    int counter = 0;
    WriteDomainSection(text);
    WriteVariableSection(text);
    WriteConstraints(text, counter);
    WriteObjectiveSection(text, counter);
    text << "<END>\n";
    *out << text.str();
    out->flush();
}

std::string GenExtDesc::Describe(RawCSP& problem) {
    std::ostringstream out;
    GenExtDesc writer(&problem, &out);
    return out.str();
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
            setElements += variable->GetDomain()->GetValues()->GetSize();
            if (setElements > kMaxSetElements)
                Refuse("set variables with this many possible elements in all", *variable);
        }
    out << "<Z>\n" << variables.size() << '\n';
    for (const auto& variable : variables)
        WriteVariable(variable, out);
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
    for (const auto& con : m_problem->GetConstraints())
        topLevel += WriteTopLevelConstraint(con, records, counter);
    for (const auto& soft : m_problem->GetSoftConstraints()) {
        RPtr<RawExpr> weight = Arg(soft, 1);
        if (!weight->IsInt() || !weight->IsVal())
            Refuse("a soft constraint whose weight is not an integer", *soft);
        StartRecord("SOFTCON", records, counter);
        records << weight->GetInt() << '\n';
        WriteCondition(Arg(soft, 0), records, counter, 1);
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
    // Posted as its pairs, as the local-search bridge posts it.
    CheckArgCount(con, 1);
    const int m = ArraySize(Arg(con, 0));
    WriteAllDifferentPairs(con, out, counter, 0);
    return PairCount(m, *con);
}

void GenExtDesc::WriteAllDifferentPairs(const RPtr<RawExpr>& con, std::ostream& out, int& counter,
                                        int depth) {
    RPtr<RawExpr> list = Arg(con, 0);
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
    WriteSubsetRecord(Arg(con, 0), Arg(con, 1), out, counter, depth + 1);
    WriteSubsetRecord(Arg(con, 1), Arg(con, 0), out, counter, depth + 1);
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
    const int next = depth + 1;
    auto binary = [&](const char* keyword, int first, int second) {
        CheckArgCount(con, 2);
        StartRecord(keyword, out, counter);
        WriteExpression(Arg(con, first), out, counter, next);
        WriteExpression(Arg(con, second), out, counter, next);
    };
    auto pair = [&](const char* keyword) {
        CheckArgCount(con, 2);
        StartRecord(keyword, out, counter);
        out << "2\n";
        WriteCondition(Arg(con, 0), out, counter, next);
        WriteCondition(Arg(con, 1), out, counter, next);
    };

    switch (con->GetType()) {
    case RawType::AllDifferent: {
        CheckArgCount(con, 1);
        StartRecord("AND", out, counter);
        const int m = ArraySize(Arg(con, 0));
        out << PairCount(m, *con) << '\n';
        WriteAllDifferentPairs(con, out, counter, next);
        return;
    }
    case RawType::Sequence: {
        CheckArgCount(con, 2);
        std::vector<int> values = IntegerValues(Arg(con, 1));
        StartRecord("Sequence", out, counter);
        WriteArrayExpressions(Arg(con, 0), out, counter, next);
        WriteIntegerList(values, out);
        return;
    }
    case RawType::Element: {
        CheckArgCount(con, 3);
        std::vector<int> values = IntegerValues(Arg(con, 1));
        StartRecord("ELEMENT", out, counter);
        WriteExpression(Arg(con, 0), out, counter, next);
        WriteExpression(Arg(con, 2), out, counter, next);
        WriteIntegerList(values, out);
        return;
    }
    case RawType::Member:
        CheckArgCount(con, 2);
        StartRecord("MEMBER", out, counter);
        WriteExpression(Arg(con, 0), out, counter, next);
        WriteSetArgument(Arg(con, 1), out, counter, next);
        return;
    case RawType::NotMember:
        CheckArgCount(con, 2);
        StartRecord("NOT", out, counter);
        StartRecord("MEMBER", out, counter);
        WriteExpression(Arg(con, 0), out, counter, next + 1);
        WriteSetArgument(Arg(con, 1), out, counter, next + 1);
        return;
    case RawType::AllDisjoint:
        CheckArgCount(con, 1);
        StartRecord("AllDisjoint", out, counter);
        WriteSetCollection(Arg(con, 0), out, counter, next);
        return;
    case RawType::Subset:
        CheckArgCount(con, 2);
        WriteSubsetRecord(Arg(con, 0), Arg(con, 1), out, counter, depth);
        return;
    case RawType::StrictSubset:
        // A is a subset of B and B has more members.
        CheckArgCount(con, 2);
        StartRecord("AND", out, counter);
        out << "2\n";
        WriteSubsetRecord(Arg(con, 0), Arg(con, 1), out, counter, next);
        StartRecord(">", out, counter);
        out << "CARD\n";
        WriteSetArgument(Arg(con, 1), out, counter, next + 1);
        out << "CARD\n";
        WriteSetArgument(Arg(con, 0), out, counter, next + 1);
        return;
    case RawType::Equal:
        if (BothSets(con)) {
            WriteSetEquality(con, out, counter, depth);
            return;
        }
        binary("=", 0, 1);
        return;
    case RawType::Greater:
        binary(">", 0, 1);
        return;
    case RawType::GreaterEqual:
        binary(">=", 0, 1);
        return;
    case RawType::Less:
        binary(">", 1, 0);
        return;
    case RawType::LessEqual:
        binary(">=", 1, 0);
        return;
    case RawType::NotEqual:
        if (BothSets(con)) {
            StartRecord("NOT", out, counter);
            WriteSetEquality(con, out, counter, next);
            return;
        }
        binary("<>", 0, 1);
        return;
    case RawType::And:
    case RawType::Or: {
        const char* keyword = con->GetType() == RawType::And ? "AND" : "OR";
        if (con->GetArgCount() == 2) {
            pair(keyword);
            return;
        }
        StartRecord(keyword, out, counter);
        if (con->GetArgCount() == 1 && Arg(con, 0)->IsArray()) {
            RPtr<RawExpr> list = Arg(con, 0);
            out << list->GetSize() << '\n';
            for (int i = 0; i < list->GetSize(); ++i)
                WriteCondition(list->GetElement(i), out, counter, next);
        } else {
            out << con->GetArgCount() << '\n';
            for (int i = 0; i < con->GetArgCount(); ++i)
                WriteCondition(Arg(con, i), out, counter, next);
        }
        out << '\n';
        return;
    }
    case RawType::Implies:
        pair("IMPLIES");
        return;
    case RawType::Iff:
        pair("IFF");
        return;
    case RawType::Xor:
        pair("XOR");
        return;
    case RawType::Not:
        CheckArgCount(con, 1);
        StartRecord("NOT", out, counter);
        WriteCondition(Arg(con, 0), out, counter, next);
        out << '\n';
        return;
    default:
        Refuse("the constraint", *con);
    }
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
    const int next = depth + 1;
    auto binary = [&](const char* keyword) {
        CheckArgCount(expr, 2);
        out << keyword << '\n';
        WriteExpression(Arg(expr, 0), out, counter, next);
        WriteExpression(Arg(expr, 1), out, counter, next);
    };
    auto listAndValues = [&](const char* keyword) {
        CheckArgCount(expr, 2);
        std::vector<int> values = IntegerValues(Arg(expr, 1));
        out << keyword << '\n';
        WriteArrayExpressions(Arg(expr, 0), out, counter, next);
        WriteIntegerList(values, out);
    };
    auto list = [&](const char* keyword) {
        CheckArgCount(expr, 1);
        out << keyword << '\n';
        WriteArrayExpressions(Arg(expr, 0), out, counter, next);
    };

    switch (expr->GetType()) {
    case RawType::Minimum:
        list("Minimum");
        return;
    case RawType::Maximum:
        list("Maximum");
        return;
    case RawType::Sum:
        list("Sum");
        return;
    case RawType::Count:
        listAndValues("Count");
        return;
    case RawType::ScalProd:
        listAndValues("ScalProd");
        return;
    case RawType::Plus:
        binary("+");
        return;
    case RawType::Times:
        binary("*");
        return;
    case RawType::Divide:
        binary("/");
        return;
    case RawType::Modulo:
        binary("%");
        return;
    case RawType::Minus:
        if (expr->GetArgCount() == 1) {
            out << "-\nINTVAL\n0\n";
            WriteExpression(Arg(expr, 0), out, counter, next);
            return;
        }
        binary("-");
        return;
    case RawType::Abs:
        CheckArgCount(expr, 1);
        out << "Abs\n";
        WriteExpression(Arg(expr, 0), out, counter, next);
        return;
    case RawType::Power: {
        CheckArgCount(expr, 2);
        RPtr<RawExpr> exponent = Arg(expr, 1);
        if (!exponent->IsInt() || !exponent->IsVal())
            Refuse("a power whose exponent is not a constant", *expr);
        out << "Power\n";
        WriteExpression(Arg(expr, 0), out, counter, next);
        out << "INTVAL\n" << exponent->GetInt() << '\n';
        return;
    }
    case RawType::Index: {
        CheckArgCount(expr, 2);
        std::vector<int> values = IntegerValues(Arg(expr, 1));
        out << "Index\n";
        WriteExpression(Arg(expr, 0), out, counter, next);
        WriteIntegerList(values, out);
        return;
    }
    case RawType::Cardinality:
        CheckArgCount(expr, 1);
        out << "CARD\n";
        WriteSetArgument(Arg(expr, 0), out, counter, next);
        return;
    case RawType::BoolVar:
    case RawType::IntVar:
        if (dynamic_cast<const RawVar*>(expr.Get()) == nullptr) Refuse("a variable reference", *expr);
        out << "INTVAR\n" << CheckedName(expr->GetName()) << '\n';
        return;
    case RawType::IntVal:
    case RawType::BoolVal:
        out << "INTVAL\n" << expr->GetInt() << '\n';
        return;
    default:
        Refuse("the expression", *expr);
    }
}

void GenExtDesc::WriteSetArgument(const RPtr<RawExpr>& expr, std::ostream& out, int& counter, int depth) {
    CheckDepth(depth, *expr);
    switch (expr->GetType()) {
    case RawType::SetVar:
        out << "SetVar\n" << CheckedName(expr->GetName()) << '\n';
        return;
    case RawType::SetVal:
        out << "SetVal\n";
        WriteIntegerList(IntegerValues(expr), out);
        return;
    case RawType::Union:
    case RawType::Intersection:
        CheckArgCount(expr, 1);
        out << (expr->GetType() == RawType::Union ? "Union" : "Intersection") << '\n';
        WriteSetCollection(Arg(expr, 0), out, counter, depth + 1);
        return;
    default:
        Refuse("the set expression", *expr);
    }
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

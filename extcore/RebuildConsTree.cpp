#include "extcore/RebuildConsTree.hpp"

#include "extcore/DescriptionError.hpp"
#include "extcore/DescriptionTokens.hpp"

#include "localsearch/Con.hpp"
#include "localsearch/GLSCSP.hpp"
#include "localsearch/IntListDom.hpp"
#include "localsearch/IntRangeDom.hpp"
#include "localsearch/IntVar.hpp"
#include "localsearch/Minimise.hpp"
#include "localsearch/SetDom.hpp"
#include "localsearch/SetVar.hpp"
#include "localsearch/SoftCon.hpp"
#include "localsearch/cons/AllDifferent.hpp"
#include "localsearch/cons/Element.hpp"
#include "localsearch/cons/Equals.hpp"
#include "localsearch/cons/GreaterThan.hpp"
#include "localsearch/cons/GreaterThanEquals.hpp"
#include "localsearch/cons/Member.hpp"
#include "localsearch/cons/NotEquals.hpp"
#include "localsearch/cons/Sequence.hpp"
#include "localsearch/expr/AbsOp.hpp"
#include "localsearch/expr/Cardinality.hpp"
#include "localsearch/expr/CountOp.hpp"
#include "localsearch/expr/DivOp.hpp"
#include "localsearch/expr/IndexOp.hpp"
#include "localsearch/expr/IntVal.hpp"
#include "localsearch/expr/Maximum.hpp"
#include "localsearch/expr/Minimum.hpp"
#include "localsearch/expr/MinusOp.hpp"
#include "localsearch/expr/ModOp.hpp"
#include "localsearch/expr/PlusOp.hpp"
#include "localsearch/expr/Power.hpp"
#include "localsearch/expr/ScalProd.hpp"
#include "localsearch/expr/Sum.hpp"
#include "localsearch/expr/TimesOp.hpp"
#include "localsearch/logic/And.hpp"
#include "localsearch/logic/Iff.hpp"
#include "localsearch/logic/Implies.hpp"
#include "localsearch/logic/Not.hpp"
#include "localsearch/logic/Or.hpp"
#include "localsearch/logic/Xor.hpp"
#include "localsearch/sets/AllDisjoint.hpp"
#include "localsearch/sets/Intersection.hpp"
#include "localsearch/sets/SetVal.hpp"
#include "localsearch/sets/Subset.hpp"
#include "localsearch/sets/Union.hpp"
#include "platform/Cancelled.hpp"
#include "platform/FatalError.hpp"
#include "platform/StopPoll.hpp"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <istream>
#include <iterator>

using namespace GLSLib;

namespace Melvane {

namespace {

constexpr const char* kBoolDomain = "__BoolDomain";

bool OneOf(std::string_view keyword, std::initializer_list<std::string_view> keywords) {
    return std::find(keywords.begin(), keywords.end(), keyword) != keywords.end();
}

// Constraint keywords that stand only at their own places: a soft constraint is a record of
// "<C>", the objective the record of "<Opt>".
bool IsNestable(std::string_view keyword) {
    return keyword != "SOFTCON" && keyword != "Minimise";
}

} // namespace

RebuildConsTree::~RebuildConsTree() = default;

// ---- driver ----

void RebuildConsTree::Parse(std::istream& in, GLSCSP* csp) {
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Parse(text, csp);
}

void RebuildConsTree::Parse(const std::string& text, GLSCSP* csp) {
    if (csp == nullptr) throw Platform::InternalError("RebuildConsTree::Parse: no problem");
    // What is read belongs to csp, whichever problem this thread made last.
    const ModelScope scope(*csp);
    DescriptionTokens tokens(text, m_stop);
    m_csp = csp;
    m_tokens = &tokens;
    m_created.clear();
    m_newIntDomains.clear();
    m_newSetDomains.clear();
    m_newVariables.clear();
    m_newConstraints.clear();
    m_newObjective = nullptr;
    m_intDomains.clear();
    m_setDomains.clear();
    m_intVars.clear();
    m_setVars.clear();
    m_setElements = 0;
    try {
        for (IntDom* d : csp->GetIntDomains())
            m_intDomains.emplace(d->GetName(), d);
        for (SetDom* d : csp->GetSetDomains())
            m_setDomains.emplace(d->GetName(), d);
        for (IntVar* v : csp->GetVariables())
            m_intVars.emplace(v->GetName(), v);
        for (SetVar* s : csp->GetSetVariables())
            m_setVars.emplace(s->GetName(), s);
        try {
            ReadSections();
        } catch (const DescriptionError&) {
            throw;
        } catch (const Platform::FatalError& e) {
            // The model refused what the text asks for (an empty domain, too few coefficients).
            tokens.Fail(e.what());
        } catch (const Obj::Undef&) {
            tokens.Fail("an expression without a value");
        }
        Commit();
    } catch (...) {
        Discard();
        m_tokens = nullptr;
        throw;
    }
    m_created.clear();
    m_tokens = nullptr;
}

void RebuildConsTree::ReadSections() {
    for (;;) {
        const std::string_view marker = m_tokens->Word("a section marker or \"<END>\"");
        if (marker == "<END>") {
            // "<END>" ends the text: anything after it is a text that was not meant.
            if (!m_tokens->AtEnd()) m_tokens->FailAt(m_tokens->LastIndex() + 1, "text after \"<END>\"");
            return;
        }
        if (marker == "<D>")
            ReadDomains();
        else if (marker == "<Ds>")
            ReadSetDomains();
        else if (marker == "<Z>")
            ReadVariables();
        else if (marker == "<C>")
            ReadConstraints();
        else if (marker == "<Opt>")
            ReadObjective();
        else
            m_tokens->Fail("unknown section marker");
    }
}

void RebuildConsTree::Commit() {
    for (IntDom* d : m_newIntDomains)
        m_csp->AddIntDomain(d);
    for (SetDom* d : m_newSetDomains)
        m_csp->AddSetDomain(d);
    for (const NewVariable& v : m_newVariables) {
        if (v.intVar != nullptr)
            m_csp->AddVariable(v.intVar);
        else
            m_csp->AddSetVariable(v.setVar);
    }
    // Soft constraints are posted like hard ones, so that their variables know them.
    for (const NewConstraint& c : m_newConstraints) {
        c.con->Post();
        if (c.soft)
            m_csp->AddSoftConstraint(c.con);
        else
            m_csp->AddConstraint(c.con);
    }
    if (m_newObjective != nullptr) {
        m_newObjective->Post();
        m_csp->SetObjective(m_newObjective);
    }
}

void RebuildConsTree::Discard() noexcept {
    // Users before what they use: each node leaves its arguments' dependents, so that what was
    // in the problem before keeps no pointer to what goes now.
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
        if (auto* node = dynamic_cast<ExprObj*>(*it)) node->DetachFromArguments();
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
        delete *it;
    m_created.clear();
    m_newIntDomains.clear();
    m_newSetDomains.clear();
    m_newVariables.clear();
    m_newConstraints.clear();
    m_newObjective = nullptr;
}

template <class T, class... Args> T* RebuildConsTree::Make(Args&&... args) {
    // Room first, so that an object once made is always recorded; grown geometrically, since
    // room for one more each time copies the whole list for every object of the text.
    if (m_created.size() == m_created.capacity()) m_created.reserve(2 * m_created.size() + 16);
    T* object = new T(std::forward<Args>(args)...);
    m_created.push_back(object);
    return object;
}

void RebuildConsTree::Track(Obj* object) {
    m_created.push_back(object);
}

void RebuildConsTree::CheckSetElements(std::size_t elements) {
    if (elements > m_limits.setVariableElements)
        m_tokens->Fail("a set variable may have at most " + std::to_string(m_limits.setVariableElements) +
                       " possible elements, not " + std::to_string(elements));
    if (elements > m_limits.setElements - std::min(m_setElements, m_limits.setElements))
        m_tokens->Fail("the set variables of a problem may have at most " +
                       std::to_string(m_limits.setElements) + " possible elements in all");
}

void RebuildConsTree::CheckStop(int item) const {
    if (Platform::StopDue(m_stop, static_cast<std::size_t>(item))) throw Platform::Cancelled();
}

void RebuildConsTree::CheckDepth(int depth) {
    if (depth > kMaxDepth) m_tokens->Fail("terms nested too deeply");
}

// ---- domains and variables ----

void RebuildConsTree::ReadDomains() {
    const int count = m_tokens->Count("the number of domains", 3);
    for (int i = 0; i < count; ++i) {
        CheckStop(i);
        const std::string_view kind = m_tokens->Word("a domain kind");
        if (kind == "IntDom") {
            const std::string name(m_tokens->Word("a domain name"));
            if (m_intDomains.count(name)) m_tokens->Fail("integer domain declared twice");
            const std::string_view form = m_tokens->Word("\"ListDom\" or \"RangeDom\"");
            IntDom* domain = nullptr;
            if (form == "ListDom") {
                std::vector<int> values = ReadInts("the number of values");
                if (values.empty()) m_tokens->Fail("an integer domain needs at least one value");
                domain = Make<IntListDom>(name.c_str(), values);
            } else if (form == "RangeDom") {
                const int lo = m_tokens->Number("the low bound");
                const int hi = m_tokens->Number("the high bound");
                if (lo > hi) m_tokens->Fail("the range is empty");
                if (static_cast<std::int64_t>(hi) - lo + 1 > INT_MAX)
                    m_tokens->Fail("the range is too large");
                domain = Make<IntRangeDom>(name.c_str(), lo, hi);
            } else {
                m_tokens->Fail("unknown integer domain form");
            }
            m_newIntDomains.push_back(domain);
            m_intDomains.emplace(name, domain);
        } else if (kind == "SetDom") {
            // "SetDom" name k ..., or with one word before the name.
            std::string name(m_tokens->Word("a set domain name"));
            if (!m_tokens->PeekIsNumber()) name = m_tokens->Word("a set domain name");
            ReadSetDomainValues(name);
        } else {
            m_tokens->Fail("unknown domain kind");
        }
    }
}

void RebuildConsTree::ReadSetDomains() {
    const int count = m_tokens->Count("the number of set domains", 3);
    for (int i = 0; i < count; ++i) {
        m_tokens->Word("a set domain kind");
        ReadSetDomainValues(std::string(m_tokens->Word("a set domain name")));
    }
}

void RebuildConsTree::ReadSetDomainValues(const std::string& name) {
    if (m_setDomains.count(name)) m_tokens->Fail("set domain declared twice");
    std::vector<int> values = ReadInts("the number of values");
    auto* domain = Make<SetDom>(name.c_str(), values);
    m_newSetDomains.push_back(domain);
    m_setDomains.emplace(name, domain);
}

void RebuildConsTree::ReadVariables() {
    const int count = m_tokens->Count("the number of variables", 3);
    for (int i = 0; i < count; ++i) {
        CheckStop(i);
        const std::string_view type = m_tokens->Word("a variable type");
        if (type == "INTVAR") {
            const std::string name(m_tokens->Word("a variable name"));
            if (m_intVars.count(name)) m_tokens->Fail("variable declared twice");
            const std::string domainName(m_tokens->Word("a domain name"));
            IntDom* domain = nullptr;
            auto found = m_intDomains.find(domainName);
            if (found != m_intDomains.end()) {
                domain = found->second;
            } else if (domainName == kBoolDomain) {
                domain = Make<IntListDom>(kBoolDomain, std::vector<int>{0, 1});
                m_newIntDomains.push_back(domain);
                m_intDomains.emplace(domainName, domain);
            } else {
                m_tokens->Fail("undeclared integer domain");
            }
            IntVar* variable = Make<IntVar>(name.c_str(), domain);
            m_newVariables.push_back({variable, nullptr});
            m_intVars.emplace(name, variable);
        } else if (type == "SetVar") {
            const std::string name(m_tokens->Word("a set variable name"));
            if (m_setVars.count(name)) m_tokens->Fail("set variable declared twice");
            std::vector<int> universe;
            if (m_tokens->PeekIsNumber()) {
                // The count form: k, then k - 2 element values.
                const int k = m_tokens->Number("the element count");
                if (k < 0) m_tokens->Fail("the element count must not be negative");
                const int elements = k > 2 ? k - 2 : 0;
                CheckSetElements(static_cast<std::size_t>(elements));
                if (static_cast<std::size_t>(elements) > m_tokens->Remaining())
                    m_tokens->Fail("the element count is larger than the rest of the text can hold");
                universe.reserve(static_cast<std::size_t>(elements));
                for (int e = 0; e < elements; ++e)
                    universe.push_back(m_tokens->Number("an element value"));
            } else {
                const std::string domainName(m_tokens->Word("a set domain name"));
                auto found = m_setDomains.find(domainName);
                if (found == m_setDomains.end()) m_tokens->Fail("undeclared set domain");
                CheckSetElements(found->second->GetValues().size());
                universe = found->second->GetValues();
            }
            m_setElements += universe.size();
            m_created.reserve(m_created.size() + universe.size() + 2);
            SetVar* variable = Make<SetVar>(name.c_str(), universe);
            // The element variables and their domain are the set variable's own making.
            for (unsigned e = 0; e < variable->NumArgs(); ++e)
                Track(variable->GetArg(static_cast<int>(e)));
            Track(variable->GetElementDomain());
            m_newVariables.push_back({nullptr, variable});
            m_setVars.emplace(name, variable);
            for (unsigned e = 0; e < variable->NumArgs(); ++e) {
                auto* element = static_cast<IntVar*>(variable->GetArg(static_cast<int>(e)));
                m_intVars.emplace(element->GetName(), element);
            }
        } else {
            m_tokens->Fail("Invalid variable type");
        }
    }
}

// ---- constraints and objective ----

void RebuildConsTree::ReadConstraints() {
    const int count = m_tokens->Count("the number of constraint records", 3);
    for (int i = 0; i < count; ++i) {
        CheckStop(i);
        m_tokens->Number("a record number");
        const std::string_view keyword = m_tokens->Word("a constraint keyword");
        if (keyword == "SOFTCON") {
            Con* soft = BuildSpecialConstraint(keyword, 1);
            m_newConstraints.push_back({soft, true});
        } else if (IsConstraintKeyword(keyword) && IsNestable(keyword)) {
            m_newConstraints.push_back({BuildConstraint(keyword, 1), false});
        } else {
            m_tokens->Fail("unknown constraint keyword");
        }
    }
}

void RebuildConsTree::ReadObjective() {
    m_tokens->Number("a record number");
    const std::string_view keyword = m_tokens->Word("\"Minimise\"");
    if (keyword != "Minimise") m_tokens->Fail("the objective must be a \"Minimise\" record");
    if (m_newObjective != nullptr || m_csp->HasObjective()) m_tokens->Fail("a second objective");
    m_newObjective = static_cast<Minimise*>(BuildSpecialConstraint(keyword, 1));
}

Con* RebuildConsTree::ReadConstraintOperand(int depth) {
    m_tokens->Number("the record number of a constraint");
    const std::string_view keyword = m_tokens->Word("a constraint keyword");
    if (!IsConstraintKeyword(keyword) || !IsNestable(keyword)) m_tokens->Fail("unknown constraint keyword");
    return BuildConstraint(keyword, depth);
}

Con* RebuildConsTree::BuildConstraint(std::string_view keyword, int depth) {
    CheckDepth(depth);
    if (IsGlobalConstraint(keyword)) return BuildGlobalConstraint(keyword, depth + 1);
    if (IsLogicalConstraint(keyword)) return BuildLogical(keyword, depth + 1);
    if (IsComparison(keyword)) return BuildComparison(keyword, depth + 1);
    if (IsSpecialConstraint(keyword)) return BuildSpecialConstraint(keyword, depth + 1);
    m_tokens->Fail("unknown constraint keyword");
}

Con* RebuildConsTree::BuildGlobalConstraint(std::string_view keyword, int depth) {
    std::vector<IntObj*> terms = ReadIntExpressions("the number of terms", depth);
    if (keyword == "Sequence") {
        std::vector<int> values = ReadInts("the number of values");
        return Make<Sequence>(terms, values);
    }
    return Make<AllDifferent>(terms);
}

Con* RebuildConsTree::BuildLogical(std::string_view keyword, int depth) {
    const int count = m_tokens->Count("the number of constraints", 3);
    const bool binary = keyword == "XOR" || keyword == "IFF" || keyword == "IMPLIES";
    if (binary && count != 2) m_tokens->Fail(std::string(keyword) + " takes exactly 2 constraints");
    std::vector<Con*> operands;
    operands.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        operands.push_back(ReadConstraintOperand(depth));
    if (keyword == "AND") return Make<And>(operands);
    if (keyword == "OR") return Make<Or>(operands);
    if (keyword == "XOR") return Make<Xor>(operands[0], operands[1]);
    if (keyword == "IFF") return Make<Iff>(operands[0], operands[1]);
    return Make<Implies>(operands[0], operands[1]);
}

Con* RebuildConsTree::BuildComparison(std::string_view keyword, int depth) {
    IntObj* a = ReadIntExpression(depth);
    IntObj* b = ReadIntExpression(depth);
    if (keyword == "ELEMENT") {
        std::vector<int> values = ReadInts("the number of values");
        return Make<Element>(a, values, b);
    }
    if (keyword == "<>") return Make<NotEquals>(a, b);
    if (keyword == ">") return Make<GreaterThan>(a, b);
    if (keyword == ">=") return Make<GreaterThanEquals>(a, b);
    return Make<Equals>(a, b);
}

Con* RebuildConsTree::BuildSpecialConstraint(std::string_view keyword, int depth) {
    if (keyword == "NOT") return Make<Not>(ReadIntExpression(depth));
    if (keyword == "Minimise") return Make<Minimise>(ReadIntExpression(depth));
    if (keyword == "SOFTCON") {
        const int weight = m_tokens->Number("the weight of a soft constraint");
        Con* relaxed = ReadConstraintOperand(depth);
        return Make<SoftCon>(relaxed, weight);
    }
    if (keyword == "Subset" || keyword == "SUBSET") {
        SetObj* a = ReadSetExpression(depth);
        SetObj* b = ReadSetExpression(depth);
        return Make<Subset>(a, b);
    }
    if (keyword == "MEMBER") {
        IntObj* x = ReadIntExpression(depth);
        SetObj* s = ReadSetExpression(depth);
        return Make<Member>(x, s);
    }
    return Make<AllDisjoint>(ReadSetExpressions("the number of sets", depth));
}

// ---- integer and set terms ----

IntObj* RebuildConsTree::ReadIntExpression(int depth) {
    CheckDepth(depth);
    // A number opens a nested constraint record, used as its truth value 0 or 1.
    if (m_tokens->PeekIsNumber()) return ReadConstraintOperand(depth + 1);
    const std::string_view keyword = m_tokens->Word("an integer expression");
    return BuildIntExpression(keyword, depth + 1);
}

IntObj* RebuildConsTree::BuildIntExpression(std::string_view keyword, int depth) {
    if (keyword == "INTVAL") return Make<IntVal>(m_tokens->Number("an integer value"));
    if (keyword == "INTVAR") {
        const std::string_view name = m_tokens->Word("a variable name");
        auto found = m_intVars.find(name);
        if (found == m_intVars.end()) m_tokens->Fail("undeclared integer variable");
        return found->second;
    }
    if (keyword == "CARD") return Make<Cardinality>(ReadSetExpression(depth));
    if (IsFunction(keyword)) return BuildFunction(keyword, depth);
    if (IsAggregate(keyword)) return BuildAggregate(keyword, depth);
    if (IsArithmeticOperator(keyword)) return BuildArithmetic(keyword, depth);
    if (IsConstraintKeyword(keyword) && IsNestable(keyword)) return BuildConstraint(keyword, depth);
    m_tokens->Fail("unknown keyword in an integer expression");
}

IntObj* RebuildConsTree::BuildFunction(std::string_view keyword, int depth) {
    IntObj* x = ReadIntExpression(depth);
    if (keyword == "Index") {
        std::vector<int> values = ReadInts("the number of values");
        return Make<IndexOp>(x, values);
    }
    if (keyword == "Abs") return Make<AbsOp>(x);
    // The exponent is a constant: the power node does not follow changes of it.
    if (m_tokens->Word("the exponent \"INTVAL\"") != "INTVAL")
        m_tokens->Fail("the exponent of Power must be \"INTVAL\" and an integer");
    IntVal* exponent = Make<IntVal>(m_tokens->Number("the exponent"));
    return Make<Power>(x, exponent);
}

IntObj* RebuildConsTree::BuildAggregate(std::string_view keyword, int depth) {
    std::vector<IntObj*> terms = ReadIntExpressions("the number of terms", depth);
    if (keyword == "Count") {
        std::vector<int> values = ReadInts("the number of values");
        return Make<CountOp>(terms, values);
    }
    if (keyword == "ScalProd") {
        std::vector<int> coefficients = ReadInts("the number of coefficients");
        if (coefficients.size() < terms.size()) m_tokens->Fail("fewer coefficients than terms");
        return Make<ScalProd>(terms, coefficients);
    }
    if (keyword == "Sum") return Make<Sum>(terms);
    if (keyword == "Minimum") return Make<Minimum>(terms);
    return Make<Maximum>(terms);
}

IntObj* RebuildConsTree::BuildArithmetic(std::string_view keyword, int depth) {
    IntObj* a = ReadIntExpression(depth);
    IntObj* b = ReadIntExpression(depth);
    if (keyword == "*") return Make<TimesOp>(a, b);
    if (keyword == "%") return Make<ModOp>(a, b);
    if (keyword == "/") return Make<DivOp>(a, b);
    if (keyword == "+") return Make<PlusOp>(a, b);
    return Make<MinusOp>(a, b);
}

SetObj* RebuildConsTree::ReadSetExpression(int depth) {
    CheckDepth(depth);
    const std::string_view keyword = m_tokens->Word("a set expression");
    return BuildSetExpression(keyword, depth + 1);
}

SetObj* RebuildConsTree::BuildSetExpression(std::string_view keyword, int depth) {
    if (keyword == "SetVar") {
        const std::string_view name = m_tokens->Word("a set variable name");
        auto found = m_setVars.find(name);
        if (found == m_setVars.end()) m_tokens->Fail("undeclared set variable");
        return found->second;
    }
    if (keyword == "Union") return Make<Union>(ReadSetExpressions("the number of sets", depth));
    if (keyword == "Intersection") return Make<Intersection>(ReadSetExpressions("the number of sets", depth));
    if (keyword == "SetVal") return Make<SetVal>(ReadInts("the number of values"));
    m_tokens->Fail("unknown keyword in a set expression");
}

std::vector<IntObj*> RebuildConsTree::ReadIntExpressions(const char* what, int depth) {
    const int count = m_tokens->Count(what, 2);
    std::vector<IntObj*> terms;
    terms.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        terms.push_back(ReadIntExpression(depth));
    return terms;
}

std::vector<SetObj*> RebuildConsTree::ReadSetExpressions(const char* what, int depth) {
    const int count = m_tokens->Count(what, 2);
    std::vector<SetObj*> sets;
    sets.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        sets.push_back(ReadSetExpression(depth));
    return sets;
}

std::vector<int> RebuildConsTree::ReadInts(const char* what) {
    const int count = m_tokens->Count(what);
    std::vector<int> values;
    values.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        values.push_back(m_tokens->Number("an integer value"));
    return values;
}

// ---- keyword classes ----

bool RebuildConsTree::IsGlobalConstraint(std::string_view keyword) {
    return OneOf(keyword, {"Sequence", "AllDifferent"});
}

bool RebuildConsTree::IsLogicalConstraint(std::string_view keyword) {
    return OneOf(keyword, {"AND", "XOR", "IFF", "OR", "IMPLIES"});
}

bool RebuildConsTree::IsComparison(std::string_view keyword) {
    return OneOf(keyword, {"ELEMENT", "<>", ">", ">=", "="});
}

bool RebuildConsTree::IsSpecialConstraint(std::string_view keyword) {
    return OneOf(keyword, {"NOT", "Minimise", "SOFTCON", "Subset", "SUBSET", "MEMBER", "AllDisjoint"});
}

bool RebuildConsTree::IsConstraintKeyword(std::string_view keyword) {
    return IsGlobalConstraint(keyword) || IsLogicalConstraint(keyword) || IsComparison(keyword) ||
           IsSpecialConstraint(keyword);
}

bool RebuildConsTree::IsFunction(std::string_view keyword) {
    return OneOf(keyword, {"Index", "Abs", "Power"});
}

bool RebuildConsTree::IsAggregate(std::string_view keyword) {
    return OneOf(keyword, {"Count", "Sum", "ScalProd", "Minimum", "Maximum"});
}

bool RebuildConsTree::IsArithmeticOperator(std::string_view keyword) {
    return OneOf(keyword, {"*", "%", "/", "+", "-"});
}

} // namespace Melvane

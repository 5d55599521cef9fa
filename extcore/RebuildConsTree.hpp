#pragma once
// Rebuilds a local-search problem (GLSLib::GLSCSP) from the problem description text that the
// workbench sends (written by GenExtDesc): integer and set domains, integer and set variables,
// hard and soft constraints and the objective. The text arrives over the network and is read
// as untrusted: every token is checked, every count is bounded by what is left of the text,
// every keyword and name must be known, and a text that is not read to its "<END>" whole is
// refused with a DescriptionError that names the position. Nothing is added to the problem
// until the whole text has been read, and on a refusal every object made on the way is
// removed from the problem's registry again.
//
// Sections: "<D>" N domains ("IntDom" name "ListDom" k ints | "IntDom" name "RangeDom" lo hi |
// "SetDom" name k ints | "SetDom" ignored name k ints), "<Ds>" N (ignored name k ints),
// "<Z>" N variables ("INTVAR" name domain, "__BoolDomain" made on first use | "SetVar" name
// setdomain | "SetVar" name k, then k-2 element values), "<C>" N records (number, keyword,
// operands; "SOFTCON" weight record for a soft constraint), "<Opt>" one "Minimise" record,
// "<END>". Sections come in any order and may repeat; names must be declared before use.

#include <atomic>
#include <cstddef>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace GLSLib {
class Con;
class GLSCSP;
class IntDom;
class IntObj;
class IntVar;
class Minimise;
class Obj;
class SetDom;
class SetObj;
class SetVar;
} // namespace GLSLib

namespace Melvane {

class DescriptionTokens;

class RebuildConsTree {
public:
    // Deepest nesting of terms taken (the writer stays well inside it).
    static constexpr int kMaxDepth = 1000;
    // Each possible element of a set variable is a variable of its own (some 400 bytes once
    // read, several times that once solved), and a few bytes of text can name a large set
    // domain for many set variables: what a text may make of them is bounded.
    struct Limits {
        // Possible elements of one set variable.
        std::size_t setVariableElements = 65536;
        // Possible elements of all set variables of one text together.
        std::size_t setElements = 131072;
    };

    RebuildConsTree() = default;
    explicit RebuildConsTree(const Limits& limits) : m_limits(limits) {}
    RebuildConsTree(const RebuildConsTree&) = delete;
    RebuildConsTree& operator=(const RebuildConsTree&) = delete;
    virtual ~RebuildConsTree();

    // Reads the whole text into csp: domains and variables are added, hard and soft
    // constraints are posted and added, the objective is posted and set; every object made
    // belongs to csp, whichever problem this thread made last. Throws
    // DescriptionError for a text it cannot read or whose set variables pass the limits (csp
    // and the registry are then as before), Platform::InternalError for a null csp.
    void Parse(std::istream& in, GLSLib::GLSCSP* csp);
    void Parse(const std::string& text, GLSLib::GLSCSP* csp);
    // A stop request (may be null; it must outlive the parses) that Parse reads every few
    // thousand variables and records: once it is set, Parse throws Platform::Cancelled, and csp
    // and the registry are as before.
    void SetStopRequest(const std::atomic<bool>* stop) { m_stop = stop; }

private:
    struct NewVariable {
        GLSLib::IntVar* intVar;
        GLSLib::SetVar* setVar;
    };
    struct NewConstraint {
        GLSLib::Con* con;
        bool soft;
    };

    void ReadSections();
    void ReadDomains();
    void ReadSetDomains();
    // The values of a set domain called name, after its name; the domain is made and kept.
    void ReadSetDomainValues(const std::string& name);
    void ReadVariables();
    void ReadConstraints();
    void ReadObjective();
    void Commit();
    void Discard() noexcept;

    // A constraint in operand position: its number, then its keyword and operands.
    GLSLib::Con* ReadConstraintOperand(int depth);
    GLSLib::Con* BuildConstraint(std::string_view keyword, int depth);
    GLSLib::IntObj* ReadIntExpression(int depth);
    GLSLib::IntObj* BuildIntExpression(std::string_view keyword, int depth);
    GLSLib::SetObj* ReadSetExpression(int depth);
    GLSLib::SetObj* BuildSetExpression(std::string_view keyword, int depth);
    GLSLib::Con* BuildGlobalConstraint(std::string_view keyword, int depth);
    GLSLib::Con* BuildLogical(std::string_view keyword, int depth);
    GLSLib::Con* BuildComparison(std::string_view keyword, int depth);
    GLSLib::Con* BuildSpecialConstraint(std::string_view keyword, int depth);
    GLSLib::IntObj* BuildFunction(std::string_view keyword, int depth);
    GLSLib::IntObj* BuildAggregate(std::string_view keyword, int depth);
    GLSLib::IntObj* BuildArithmetic(std::string_view keyword, int depth);
    std::vector<GLSLib::IntObj*> ReadIntExpressions(const char* what, int depth);
    std::vector<GLSLib::SetObj*> ReadSetExpressions(const char* what, int depth);
    std::vector<int> ReadInts(const char* what);
    void CheckDepth(int depth);
    // Throws Platform::Cancelled when the stop request is set (read at the items
    // Platform::StopDue says).
    void CheckStop(int item) const;

    template <class T, class... Args> T* Make(Args&&... args);
    void Track(GLSLib::Obj* object);

    // Keyword classes of constraint terms, tried in this order.
    static bool IsGlobalConstraint(std::string_view keyword);
    static bool IsLogicalConstraint(std::string_view keyword);
    static bool IsComparison(std::string_view keyword);
    static bool IsSpecialConstraint(std::string_view keyword);
    static bool IsConstraintKeyword(std::string_view keyword);
    // Keyword classes of integer terms.
    static bool IsFunction(std::string_view keyword);
    static bool IsAggregate(std::string_view keyword);
    static bool IsArithmeticOperator(std::string_view keyword);

    // Refuses, at the token read last, a set variable of this many possible elements when it
    // would pass either limit.
    void CheckSetElements(std::size_t elements);

    Limits m_limits;
    const std::atomic<bool>* m_stop = nullptr;
    GLSLib::GLSCSP* m_csp = nullptr;
    DescriptionTokens* m_tokens = nullptr;
    // What this parse made, in the order made; removed again when the parse fails.
    std::vector<GLSLib::Obj*> m_created;
    std::vector<GLSLib::IntDom*> m_newIntDomains;
    std::vector<GLSLib::SetDom*> m_newSetDomains;
    std::vector<NewVariable> m_newVariables;
    std::vector<NewConstraint> m_newConstraints;
    GLSLib::Minimise* m_newObjective = nullptr;
    // Names known so far: the problem's and this text's (first declaration of a name wins).
    std::map<std::string, GLSLib::IntDom*, std::less<>> m_intDomains;
    std::map<std::string, GLSLib::SetDom*, std::less<>> m_setDomains;
    std::map<std::string, GLSLib::IntVar*, std::less<>> m_intVars;
    std::map<std::string, GLSLib::SetVar*, std::less<>> m_setVars;
    std::size_t m_setElements = 0;
};

} // namespace Melvane

#pragma once
// Writes a raw problem as the problem description text that external solver programs read
// back into their local-search model (Melvane::RebuildConsTree): whitespace-separated tokens in
// the sections "<D>" (domains), "<Z>" (variables), "<C>" (constraint records), "<Opt>" (the
// objective) and "<END>".
//
// The forms, which the reader takes exactly as written here:
//   domains    "IntDom" name "ListDom" k v1..vk | "IntDom" name "RangeDom" lo hi
//              | "SetDom" name k v1..vk
//   variables  "INTVAR" name domain | "INTVAR" name "__BoolDomain" | "SetVar" name setdomain
//   "<C>" N    N top-level records; a record is its number, its keyword and its operands, and
//              the numbers run on in pre-order through nested records and the objective.
//   conditions a constraint is its nested record; any other expression e is the record
//              "<>" e "INTVAL" 0 (true when not zero)
//   sets       "SetVar" name | "SetVal" k v1..vk | "Union" k sets | "Intersection" k sets
//   set = set  "AND" 2 (Subset A B) (Subset B A);  set <> set: "NOT" over that record;
//   A strictly in B: "AND" 2 (Subset A B) (">" CARD B CARD A)
//   #s         "CARD" set;   Power  "Power" base "INTVAL" exponent;   AllDisjoint  k sets
//   AllDifferent: one "<>" record per pair; nested in another record, "AND" over those pairs.
// Whatever the text cannot state (string or real variables, Circuit, a node of a shape the
// reader does not take) makes the writer throw rather than send a weaker problem.

#include "bridges/RawKindVisitor.hpp"
#include "bridges/TranslationError.hpp"
#include "language/raw/RawCSP.hpp"

#include <atomic>
#include <cstddef>
#include <iosfwd>
#include <sstream>
#include <string>
#include <vector>

namespace TavBridges {

class GenExtDesc {
public:
    // The problem cannot be stated in the description text; what() says what and where. It is
    // the bridges' one translation error.
    using Unexpressible = TranslationError;

    // Deepest nesting of records and expressions written; the reader takes the same.
    static constexpr int kMaxDepth = 500;
    // Most possible elements of one set variable, and of all set variables together: the
    // external program's reader refuses a text past either.
    static constexpr long long kMaxSetVariableElements = 65536;
    static constexpr long long kMaxSetElements = 131072;

    // Writes the whole text of `problem` to `out`. Throws Unexpressible (and writes nothing to
    // `out`) when the problem cannot be stated; Platform::InternalError for null arguments;
    // Platform::Cancelled (writing nothing) once `stop` (may be null) is set, which it reads
    // every few thousand variables and constraints.
    GenExtDesc(TavLanguage::RawCSP* problem, std::ostream* out, const std::atomic<bool>* stop = nullptr);
    GenExtDesc(const GenExtDesc&) = delete;
    GenExtDesc& operator=(const GenExtDesc&) = delete;
    virtual ~GenExtDesc() = default;

    // The description text of a problem (same throws as the constructor).
    static std::string Describe(TavLanguage::RawCSP& problem, const std::atomic<bool>* stop = nullptr);

private:
    // A writer for Describe, which takes the text from Write.
    GenExtDesc(TavLanguage::RawCSP* problem, const std::atomic<bool>* stop);
    // The whole text (the constructor's throws).
    std::string Write();
    void WriteDomainSection(std::ostream& out);
    bool WriteDomain(const TavLanguage::RPtr<TavLanguage::RawDom>& domain, std::ostream& out);
    void WriteVariableSection(std::ostream& out);
    void WriteVariable(const TavLanguage::RPtr<TavLanguage::RawVar>& variable, std::ostream& out);
    void WriteConstraints(std::ostream& out, int& counter);
    // Records of one hard constraint at the top level; returns how many top-level records.
    int WriteTopLevelConstraint(const TavLanguage::RPtr<TavLanguage::RawExpr>& con, std::ostream& out,
                                int& counter);
    // Writers by raw kind, each with the output, the record counter and the nesting depth.
    using ConstraintKinds = RawKindVisitor<GenExtDesc, const TavLanguage::RPtr<TavLanguage::RawExpr>&, void,
                                           std::ostream&, int&, int>;
    using ExpressionKinds = ConstraintKinds;
    static const ConstraintKinds& ConstraintTable();
    static const ExpressionKinds& ExpressionTable();
    static const ExpressionKinds& SetTable();

    void WriteConstraint(const TavLanguage::RPtr<TavLanguage::RawExpr>& con, std::ostream& out, int& counter,
                         int depth);
    // A record of two expression operands, argument `first` then `second`.
    void WriteBinary(const char* keyword, const TavLanguage::RPtr<TavLanguage::RawExpr>& node, int first,
                     int second, std::ostream& out, int& counter, int depth);
    // A record "2" over two conditions, arguments 0 and 1.
    void WriteConditionPair(const char* keyword, const TavLanguage::RPtr<TavLanguage::RawExpr>& con,
                            std::ostream& out, int& counter, int depth);
    void WriteCondition(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr, std::ostream& out, int& counter,
                        int depth);
    void WriteExpression(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr, std::ostream& out, int& counter,
                         int depth);
    void WriteSetArgument(const TavLanguage::RPtr<TavLanguage::RawExpr>& expr, std::ostream& out,
                          int& counter, int depth);
    void WriteObjectiveSection(std::ostream& out, int& counter);
    void WriteArrayExpressions(const TavLanguage::RPtr<TavLanguage::RawExpr>& array, std::ostream& out,
                               int& counter, int depth);
    void WriteSetCollection(const TavLanguage::RPtr<TavLanguage::RawExpr>& array, std::ostream& out,
                            int& counter, int depth);
    void WriteAllDifferentPairs(const TavLanguage::RPtr<TavLanguage::RawExpr>& con, std::ostream& out,
                                int& counter, int depth);
    void WriteSubsetRecord(const TavLanguage::RPtr<TavLanguage::RawExpr>& a,
                           const TavLanguage::RPtr<TavLanguage::RawExpr>& b, std::ostream& out, int& counter,
                           int depth);
    void WriteSetEquality(const TavLanguage::RPtr<TavLanguage::RawExpr>& con, std::ostream& out, int& counter,
                          int depth);
    static std::vector<int> IntegerValues(const TavLanguage::RPtr<TavLanguage::RawExpr>& collection);
    static void WriteIntegerList(const std::vector<int>& values, std::ostream& out);
    static int ArraySize(const TavLanguage::RPtr<TavLanguage::RawExpr>& array);
    static std::string CheckedName(std::string name);
    static void StartRecord(const char* keyword, std::ostream& out, int& counter);
    // Throws Platform::Cancelled when the stop request is set (read at the items
    // Platform::StopDue says).
    void CheckStop(std::size_t item) const;

    TavLanguage::RawCSP* m_problem;
    const std::atomic<bool>* m_stop;
};

} // namespace TavBridges

#pragma once
// Base of the set operators over a list of set expressions (Union, Intersection). The result's
// universe is the union of the arguments' universes (first-seen order: arguments in order,
// each in index order); the concrete operator
// decides when a value enters or leaves the result through AddMember and RemoveMember, which
// tell the result's own dependents.

#include "localsearch/SetObj.hpp"

#include <string>
#include <unordered_map>
#include <vector>

namespace GLSLib {

class SetNaryOp : public SetObj {
public:
    explicit SetNaryOp(const std::vector<SetObj*>& args);
    // Name, "([", the arguments separated by ",", "])".
    std::ostream& Print(std::ostream& os) const override;
    bool TakesElementUpdates() const override { return true; }
    // Set operators take element updates only: throws Platform::InternalError.
    void Update(int position, int value) override;
    // Argument i. Throws std::out_of_range for a bad index.
    ExprObj* GetArg(int i) const override { return m_args.at(static_cast<unsigned>(i)); }
    unsigned NumArgs() const override { return static_cast<unsigned>(m_args.size()); }
    int UniverseSize() const override { return NumValues(); }
    int GetIntValue() const override { return 0; }
    int NumMembers() const override { return m_memberCount; }
    bool ContainsValue(int value) const override;
    int NumValues() const override { return static_cast<int>(m_universe.size()); }
    bool IsMember(int index) const override { return m_bits[static_cast<unsigned>(index)] != 0; }
    int ValueAt(int index) const override { return m_universe[static_cast<unsigned>(index)]; }
    virtual std::string GetName() const = 0;

    // Makes value a member (when it is in the universe and not a member yet) and tells the
    // dependents; RemoveMember the reverse.
    void AddMember(int value);
    void RemoveMember(int value);

protected:
    // The same by universe index.
    void AddMemberAt(int index);
    void RemoveMemberAt(int index);

    std::vector<SetObj*> m_args;

private:
    void TellDependents(int index);

    std::unordered_map<int, int> m_indexByValue;
    std::vector<int> m_universe;
    std::vector<unsigned char> m_bits;
    int m_memberCount = 0;
};

} // namespace GLSLib

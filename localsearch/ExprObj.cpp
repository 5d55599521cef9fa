#include "localsearch/ExprObj.hpp"

#include "localsearch/IntVar.hpp"
#include "platform/FatalError.hpp"

#include <unordered_set>

namespace GLSLib {

void ExprObj::UpdateElement(int, int, bool) {
    throw Platform::InternalError("UpdateElement reached a node that takes no element updates");
}

ExprObj* ExprObj::GetRoot() {
    ExprObj* node = this;
    while (node->NumDependents() > 0)
        node = node->GetDependent(0);
    return node;
}

int ExprObj::GetId() const {
    if (m_dependents.empty()) throw Platform::InternalError("GetId asked of an expression that nothing uses");
    return m_dependents[0].node->GetId();
}

namespace {

void CollectVariables(ExprObj* node, std::unordered_set<ExprObj*>& visited, std::unordered_set<int>& ids) {
    if (!visited.insert(node).second) return;
    if (node->IsVariable()) ids.insert(node->GetId());
    for (unsigned i = 0; i < node->NumArgs(); ++i)
        CollectVariables(node->GetArg(static_cast<int>(i)), visited, ids);
}

void WalkVariables(ExprObj* node, std::unordered_set<ExprObj*>& visited, std::vector<IntVar*>& out) {
    if (!visited.insert(node).second) return;
    if (node->IsVariable()) {
        out.push_back(static_cast<IntVar*>(node));
        return;
    }
    for (unsigned i = 0; i < node->NumArgs(); ++i)
        WalkVariables(node->GetArg(static_cast<int>(i)), visited, out);
}

} // namespace

int ExprObj::CountVariables() {
    std::unordered_set<ExprObj*> visited;
    std::unordered_set<int> ids;
    CollectVariables(this, visited, ids);
    return static_cast<int>(ids.size());
}

bool ExprObj::IsArithmetic() {
    for (unsigned i = 0; i < NumArgs(); ++i)
        if (GetArg(static_cast<int>(i))->IsArithmetic()) return true;
    return false;
}

ExprObj* ExprObj::GetLastDependent() const {
    if (m_dependents.empty()) throw Platform::InternalError("GetLastDependent of a node without dependents");
    return m_dependents.back().node;
}

void ExprObj::Update(int, int) {
    throw Platform::InternalError("Update reached a node that takes no integer updates");
}

void ExprObj::UpdateUndefined(int) {
    throw Platform::InternalError("UpdateUndefined reached a node that takes no integer updates");
}

void ExprObj::Initialise() {
    for (unsigned i = 0; i < NumArgs(); ++i)
        GetArg(static_cast<int>(i))->Initialise();
}

void ExprObj::AttachToArguments() {
    for (unsigned i = 0; i < NumArgs(); ++i)
        GetArg(static_cast<int>(i))->AddDependent(this, static_cast<int>(i));
}

void ExprObj::RegisterConstraint(Con* c) {
    for (unsigned i = 0; i < NumArgs(); ++i)
        GetArg(static_cast<int>(i))->RegisterConstraint(c);
}

void ExprObj::DetachFromArguments() {
    for (unsigned i = 0; i < NumArgs(); ++i) {
        std::vector<Dependent>& deps = GetArg(static_cast<int>(i))->m_dependents;
        for (std::size_t k = 0; k < deps.size(); ++k) {
            if (deps[k].node == this) {
                deps[k] = deps.back();
                deps.pop_back();
                break;
            }
        }
    }
}

void ExprObj::GetVariables(std::vector<IntVar*>& out) {
    std::unordered_set<ExprObj*> visited(out.begin(), out.end());
    WalkVariables(this, visited, out);
}

} // namespace GLSLib

#include "language/raw/RawExpr.hpp"

#include "language/Bug.hpp"
#include "language/raw/RawArr.hpp"
#include "language/raw/RawWriter.hpp"

#include <ostream>
#include <sstream>

namespace TavLanguage {

namespace {
// Children waiting to be released by the outermost release running on this thread.
thread_local std::vector<RPtr<RawExpr>>* t_pending = nullptr;
} // namespace

RawExpr::~RawExpr() = default;

void RawExpr::ReleaseChildren(std::vector<RPtr<RawExpr>>& children) {
    if (t_pending != nullptr) {
        for (auto& child : children) {
            // Only the last reference needs queueing; a shared child just loses a count here.
            if (child.GetCount() == 1) t_pending->push_back(std::move(child));
        }
        children.clear();
        return;
    }
    std::vector<RPtr<RawExpr>> pending;
    t_pending = &pending;
    try {
        // As above: an array of a million variables that the problem also holds takes one pass.
        for (auto& child : children)
            if (child.GetCount() == 1) pending.push_back(std::move(child));
        children.clear();
        while (!pending.empty()) {
            RPtr<RawExpr> last = std::move(pending.back());
            pending.pop_back();
            last.Reset(); // may queue its own children onto pending
        }
    } catch (...) {
        t_pending = nullptr;
        throw;
    }
    t_pending = nullptr;
}

std::string RawExpr::GetName() const {
    throw Bug("RawExpr.cpp", 30);
}
int RawExpr::GetSize() const {
    throw Bug("RawExpr.cpp", 31);
}
RPtr<RawExpr> RawExpr::GetElement(int) const {
    throw Bug("RawExpr.cpp", 32);
}
RPtr<RawExpr> RawExpr::GetArg(int) const {
    throw Bug("RawExpr.cpp", 33);
}
const RPtr<RawArr>& RawExpr::GetArgs() const {
    throw Bug("RawExpr.cpp", 98);
}
int RawExpr::GetId() const {
    throw Bug("RawExpr.cpp", 35);
}
int RawExpr::GetInt() const {
    throw Bug("RawExpr.cpp", 36);
}
double RawExpr::GetFlt() const {
    throw Bug("RawExpr.cpp", 37);
}
std::string RawExpr::GetStr() const {
    throw Bug("RawExpr.cpp", 38);
}

void RawExpr::Print(std::ostream& out) const {
    RawWriter(out).Write(*this);
}

std::string RawExpr::ToString() const {
    std::ostringstream out;
    Print(out);
    return out.str();
}

std::ostream& operator<<(std::ostream& out, const RawExpr& expr) {
    expr.Print(out);
    return out;
}

} // namespace TavLanguage

#pragma once
// The result server's users in connection order. Numbers start at 1 and are never reused; the
// current user is the one whose message is being handled (0 for none).

#include "workbench/net/CUser.hpp"

#include <list>
#include <memory>
#include <vector>

namespace TavNet {

class CUserDatabase {
public:
    // Each user's reader takes from budget (null: none), which must outlive the users.
    explicit CUserDatabase(MessageLimits limits = {}, MemoryBudget* budget = nullptr)
        : m_limits(limits), m_budget(budget) {}
    virtual ~CUserDatabase() = default;

    // Appends a user with the next number and returns the number.
    int AddUser(std::unique_ptr<ServerConnection> connection);
    CUser* Find(int number);
    const CUser* Find(int number) const;
    // Unlinks the user and returns it (null when there is none); clears the current user when
    // it was this one.
    std::unique_ptr<CUser> Remove(int number);
    // The numbers in connection order.
    std::vector<int> Numbers() const;
    int Count() const { return static_cast<int>(m_users.size()); }

    void SetCurrentUser(int number) { m_current = number; }
    int GetCurrentUser() const { return m_current; }
    bool IsCurrentUserNone() const { return m_current == 0; }

    template <class F> void ForEach(F f) {
        for (auto& user : m_users)
            f(*user);
    }

private:
    MessageLimits m_limits;
    MemoryBudget* m_budget;
    std::list<std::unique_ptr<CUser>> m_users;
    int m_nextNumber = 1;
    int m_current = 0;
};

} // namespace TavNet

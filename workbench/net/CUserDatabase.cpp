#include "workbench/net/CUserDatabase.hpp"

namespace TavNet {

int CUserDatabase::AddUser(std::unique_ptr<ServerConnection> connection) {
    const int number = m_nextNumber++;
    m_users.push_back(std::make_unique<CUser>(number, std::move(connection), m_limits, m_budget));
    return number;
}

CUser* CUserDatabase::Find(int number) {
    for (auto& user : m_users)
        if (user->number == number) return user.get();
    return nullptr;
}

const CUser* CUserDatabase::Find(int number) const {
    for (const auto& user : m_users)
        if (user->number == number) return user.get();
    return nullptr;
}

std::unique_ptr<CUser> CUserDatabase::Remove(int number) {
    for (auto it = m_users.begin(); it != m_users.end(); ++it) {
        if ((*it)->number != number) continue;
        std::unique_ptr<CUser> user = std::move(*it);
        m_users.erase(it);
        if (m_current == number) m_current = 0;
        return user;
    }
    return nullptr;
}

std::vector<int> CUserDatabase::Numbers() const {
    std::vector<int> numbers;
    for (const auto& user : m_users)
        numbers.push_back(user->number);
    return numbers;
}

} // namespace TavNet

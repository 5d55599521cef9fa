#include "workbench/net/CServerObj.hpp"

#include "protocol/MessageError.hpp"

namespace TavNet {

CServerObj::~CServerObj() {
    Shutdown();
}

bool CServerObj::Init(int port, ServerListener* listener, std::string& error) {
    Shutdown();
    if (listener == nullptr || !listener->Start(port, error)) return false;
    m_listener = listener;
    m_port = port;
    m_users = std::make_unique<CUserDatabase>(m_limits, &m_budget);
    return true;
}

void CServerObj::Shutdown() {
    RemoveAllUsers();
    m_users.reset();
    if (m_listener != nullptr) m_listener->Stop();
    m_listener = nullptr;
    m_port = -1;
}

int CServerObj::AddUser(std::unique_ptr<ServerConnection> connection) {
    if (!m_users || !CanAcceptUser()) {
        connection->Close();
        return 0;
    }
    const int number = m_users->AddUser(std::move(connection));
    OnUserConnected(number);
    return number;
}

void CServerObj::OnBytes(int number, const std::uint8_t* data, std::size_t size) {
    CUser* user = FindUser(number);
    if (user == nullptr) return;
    std::string failure;
    bool overBudget = false;
    try {
        user->decoder.Feed(data, size);
    } catch (const MessageError& e) {
        failure = e.what();
        overBudget = user->decoder.OverBudget();
    }
    // Take every complete message first: a handler may remove this user (and its decoder).
    std::vector<CMessage> messages;
    for (CMessage m; user->decoder.Next(m);)
        messages.push_back(std::move(m));
    for (const CMessage& message : messages) {
        if (FindUser(number) == nullptr) return;
        m_users->SetCurrentUser(number);
        OnMessageReceived(number, message);
        if (m_users == nullptr || m_users->IsCurrentUserNone()) return;
        m_users->SetCurrentUser(0);
    }
    if (!failure.empty() && FindUser(number) != nullptr) {
        if (overBudget)
            OnMemoryBoundReached(number, failure);
        else
            OnInvalidStream(number, failure);
        DropUser(number);
    }
}

void CServerObj::OnConnectionLost(int number) {
    if (FindUser(number) != nullptr) DropUser(number);
}

void CServerObj::DropUser(int number) {
    RemoveUser(number);
    OnUserDisconnected(number);
}

bool CServerObj::Deliver(CUser& user, const Bytes& bytes) {
    return user.connection && user.connection->Write(bytes);
}

bool CServerObj::SendToUser(int number, const CMessage& message) {
    CUser* user = FindUser(number);
    if (user == nullptr) return false;
    if (Deliver(*user, MessageEncoder::Encode(message))) return true;
    DropUser(number);
    return false;
}

bool CServerObj::SendToAll(const CMessage& message) {
    if (GetUserCount() == 0) return false;
    const Bytes bytes = MessageEncoder::Encode(message);
    std::vector<int> failed;
    for (int number : m_users->Numbers()) {
        CUser* user = FindUser(number);
        if (user != nullptr && !Deliver(*user, bytes)) failed.push_back(number);
    }
    for (int number : failed)
        RemoveUser(number);
    for (int number : failed)
        OnUserDisconnected(number);
    return failed.empty();
}

void CServerObj::RemoveUser(int number) {
    if (!m_users) return;
    std::unique_ptr<CUser> user = m_users->Remove(number);
    if (user && user->connection) user->connection->Close();
}

void CServerObj::RemoveAllUsers() {
    if (!m_users) return;
    for (int number : m_users->Numbers())
        RemoveUser(number);
}

void CServerObj::SetUserName(int number, const std::string& name) {
    if (CUser* u = FindUser(number)) u->name = name;
}
std::string CServerObj::GetUserName(int number) const {
    const CUser* u = FindUser(number);
    return u ? u->name : std::string();
}
void CServerObj::SetProblemSent(bool flag, int number) {
    if (CUser* u = FindUser(number)) u->problemSent = flag;
}
bool CServerObj::HasProblem(int number) const {
    const CUser* u = FindUser(number);
    return u && u->problemSent;
}
void CServerObj::SetHasSolutions(bool flag, int number) {
    if (CUser* u = FindUser(number)) {
        u->hasSolutions = flag;
        if (!flag) u->checkedSolutions = {};
    }
}
bool CServerObj::HasSolutions(int number) const {
    const CUser* u = FindUser(number);
    return u && u->hasSolutions;
}
void CServerObj::SetUserSolutions(const std::string& text, int number) {
    if (CUser* u = FindUser(number)) u->solutions = text;
}
void CServerObj::GetUserSolutions(int number, std::string& text) const {
    if (const CUser* u = FindUser(number)) text = u->solutions;
}
void CServerObj::SetSlave(int number, bool flag) {
    if (CUser* u = FindUser(number)) u->slave = flag;
}
bool CServerObj::IsSlave(int number) const {
    const CUser* u = FindUser(number);
    return u && u->slave;
}
void CServerObj::SetProblemSentAll(bool flag) {
    if (m_users) m_users->ForEach([flag](CUser& u) { u.problemSent = flag; });
}
void CServerObj::SetHasSolutionsAll(bool flag) {
    if (m_users)
        m_users->ForEach([flag](CUser& u) {
            u.hasSolutions = flag;
            if (!flag) u.checkedSolutions = {};
        });
}
void CServerObj::GetSlaveList(UserList& list) const {
    if (!m_users) return;
    for (int n : m_users->Numbers())
        if (const CUser* u = FindUser(n); u && u->slave) list.emplace_back(u->name, n);
}
void CServerObj::GetSolutionHolders(UserList& list) const {
    if (!m_users) return;
    for (int n : m_users->Numbers())
        if (const CUser* u = FindUser(n); u && u->hasSolutions) list.emplace_back(u->name, n);
}

} // namespace TavNet

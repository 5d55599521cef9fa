#pragma once
// The workbench's result server without its sockets: the user table, the reading of each
// connection's stream into messages, sending to one user or to all, and the four decisions an
// owner makes (accept a user, a user connected, a message arrived, a user left).
//
// The socket layer calls AddUser for each accepted connection, OnBytes with what arrived and
// OnConnectionLost when a connection ends (end of stream, reset, error). A user that leaves
// in any way (its goodbye message, the end of its stream, a stream that is no message, a
// failed send) is removed once and OnUserDisconnected is called once, after the removal. One
// thread (the event loop's) calls everything here.
//
// Memory: each message read is bounded by MessageLimits, and the unfinished messages of all
// users together by MessageLimits::maxHeldBytes; the user whose message would pass that is
// dropped (OnMemoryBoundReached) and the others go on.

#include "protocol/CMessage.hpp"
#include "protocol/MessageLimits.hpp"
#include "workbench/net/CUserDatabase.hpp"
#include "workbench/net/ServerConnection.hpp"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace TavNet {

class CServerObj {
public:
    using UserList = std::vector<std::pair<std::string, int>>;

    explicit CServerObj(MessageLimits limits = {}) : m_limits(limits), m_budget(limits.maxHeldBytes) {}
    CServerObj(const CServerObj&) = delete;
    CServerObj& operator=(const CServerObj&) = delete;
    virtual ~CServerObj();

    // Listens on port through listener (kept, not owned). False with the reason in error; the
    // server then stays down.
    bool Init(int port, ServerListener* listener, std::string& error);
    // Removes every user (closing its connection) and stops listening.
    void Shutdown();
    int GetPort() const { return m_port; }
    bool IsUp() const { return m_port != -1; }

    // Socket layer: a new connection. Returns its user number, or 0 when CanAcceptUser refused
    // it (the connection is then closed).
    int AddUser(std::unique_ptr<ServerConnection> connection);
    // Socket layer: bytes arrived for user number.
    void OnBytes(int number, const std::uint8_t* data, std::size_t size);
    // Socket layer: the connection of user number ended.
    void OnConnectionLost(int number);

    // False when the user is gone or the send failed (the user is then removed and
    // OnUserDisconnected called).
    bool SendToUser(int number, const CMessage& message);
    // False when there is no user or a send failed (each failed user as above).
    bool SendToAll(const CMessage& message);
    // Closes and removes a user; no message, no decision.
    void RemoveUser(int number);
    void RemoveAllUsers();
    int GetUserCount() const { return m_users ? m_users->Count() : 0; }
    // Bytes that the users' unfinished messages hold together.
    std::uint64_t HeldBytes() const { return m_budget.Used(); }
    std::vector<int> GetUserNumbers() const { return m_users ? m_users->Numbers() : std::vector<int>{}; }

    void SetUserName(int number, const std::string& name);
    std::string GetUserName(int number) const;
    void SetProblemSent(bool flag, int number);
    bool HasProblem(int number) const;
    void SetHasSolutions(bool flag, int number);
    bool HasSolutions(int number) const;
    void SetUserSolutions(const std::string& text, int number);
    void GetUserSolutions(int number, std::string& text) const;
    void SetSlave(int number, bool flag);
    bool IsSlave(int number) const;
    void SetProblemSentAll(bool flag);
    void SetHasSolutionsAll(bool flag);
    // (name, number) of every slave, of every holder of solutions, in connection order.
    void GetSlaveList(UserList& list) const;
    void GetSolutionHolders(UserList& list) const;

protected:
    virtual bool CanAcceptUser() = 0;
    virtual void OnUserConnected(int number) = 0;
    virtual void OnMessageReceived(int number, const CMessage& message) = 0;
    virtual void OnUserDisconnected(int number) = 0;
    // A connection's stream that is no message (or past our limits): the reason, for a log.
    virtual void OnInvalidStream(int number, const std::string& reason) { (void)number, (void)reason; }
    // A connection whose unfinished message would take the users' messages together past
    // MessageLimits::maxHeldBytes; it is dropped after this. By default as an invalid stream.
    virtual void OnMemoryBoundReached(int number, const std::string& reason) {
        OnInvalidStream(number, reason);
    }

    CUser* FindUser(int number) { return m_users ? m_users->Find(number) : nullptr; }
    const CUser* FindUser(int number) const { return m_users ? m_users->Find(number) : nullptr; }

private:
    // Removes the user and tells the owner once.
    void DropUser(int number);
    bool Deliver(CUser& user, const Bytes& bytes);

    MessageLimits m_limits;
    // What the unfinished messages of all users hold together; outlives the users.
    MemoryBudget m_budget;
    int m_port = -1;
    std::unique_ptr<CUserDatabase> m_users;
    ServerListener* m_listener = nullptr;
};

} // namespace TavNet

#pragma once
// The result server's sockets: a QTcpServer on the event loop that hands each accepted
// connection, the bytes that arrive on it and its end to a CServerObj. Qt Core and Network.

#include "workbench/net/CServerObj.hpp"

#include <QObject>
#include <QTcpServer>

namespace TavNet {

class QtResultServer : public QObject, public ServerListener {
    Q_OBJECT
public:
    // Bytes queued for a peer that does not read them before it counts as a failed send.
    static constexpr qint64 kMaxQueuedBytes = 256ll << 20;
    // Bytes read ahead from one connection before the core takes them: more waits in the
    // system's buffers (the peer's sends then wait too), so only the core holds what arrives.
    static constexpr qint64 kReadAheadBytes = 1ll << 20;

    explicit QtResultServer(CServerObj& core, QObject* parent = nullptr);
    ~QtResultServer() override;

    bool Start(int port, std::string& error) override;
    void Stop() override;
    // The port listened on (the one chosen by the system when 0 was asked); 0 when down.
    quint16 ListeningPort() const { return m_server.isListening() ? m_server.serverPort() : 0; }

private:
    void AcceptConnections();

    CServerObj& m_core;
    QTcpServer m_server;
};

} // namespace TavNet

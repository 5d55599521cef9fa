#include "workbench/net/QtResultServer.hpp"

#include <QPointer>
#include <QTcpSocket>

namespace TavNet {

namespace {

// One accepted socket. Close stops every notification at once and lets the socket go later,
// so a handler that removes its own user never deletes the socket under its own feet.
class QtServerConnection : public ServerConnection {
public:
    explicit QtServerConnection(QTcpSocket* socket) : m_socket(socket) {}
    ~QtServerConnection() override { Close(); }

    bool Write(const Bytes& bytes) override {
        if (m_socket == nullptr || m_socket->state() != QAbstractSocket::ConnectedState) return false;
        if (m_socket->bytesToWrite() + static_cast<qint64>(bytes.size()) > QtResultServer::kMaxQueuedBytes)
            return false;
        const qint64 written =
            m_socket->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        if (written != static_cast<qint64>(bytes.size())) return false;
        m_socket->flush();
        return true;
    }

    void Close() override {
        if (m_socket == nullptr) return;
        QTcpSocket* socket = m_socket;
        m_socket = nullptr;
        QObject::disconnect(socket, nullptr, nullptr, nullptr);
        if (socket->state() == QAbstractSocket::ConnectedState) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromHost();
        }
        if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
    }

private:
    QPointer<QTcpSocket> m_socket;
};

} // namespace

QtResultServer::QtResultServer(CServerObj& core, QObject* parent) : QObject(parent), m_core(core) {
    connect(&m_server, &QTcpServer::newConnection, this, &QtResultServer::AcceptConnections);
}

QtResultServer::~QtResultServer() {
    m_server.close();
}

bool QtResultServer::Start(int port, std::string& error) {
    if (port < 0 || port > 65535) {
        error = "port " + std::to_string(port) + " is out of range";
        return false;
    }
    m_server.setListenBacklogSize(5);
    if (!m_server.listen(QHostAddress::Any, static_cast<quint16>(port))) {
        error = m_server.errorString().toStdString();
        return false;
    }
    return true;
}

void QtResultServer::Stop() {
    m_server.close();
}

void QtResultServer::AcceptConnections() {
    while (m_server.hasPendingConnections()) {
        QTcpSocket* socket = m_server.nextPendingConnection();
        if (socket == nullptr) return;
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        socket->setReadBufferSize(kReadAheadBytes);
        const int number = m_core.AddUser(std::make_unique<QtServerConnection>(socket));
        if (number == 0) continue;
        QPointer<QTcpSocket> guard(socket);
        connect(socket, &QTcpSocket::readyRead, this, [this, guard, number] {
            if (guard == nullptr) return;
            const QByteArray bytes = guard->readAll();
            m_core.OnBytes(number, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
        });
        connect(socket, &QTcpSocket::disconnected, this, [this, guard, number] {
            // What arrived before the end still counts.
            if (guard != nullptr && guard->bytesAvailable() > 0) {
                const QByteArray bytes = guard->readAll();
                m_core.OnBytes(number, reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                               static_cast<std::size_t>(bytes.size()));
            }
            m_core.OnConnectionLost(number);
        });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, number](QAbstractSocket::SocketError error) {
            if (error == QAbstractSocket::RemoteHostClosedError) return;
            m_core.OnConnectionLost(number);
        });
    }
}

} // namespace TavNet

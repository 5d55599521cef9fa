#include "extsolver/CClientObj.hpp"

#include "protocol/MessageEncoder.hpp"
#include "protocol/MessageError.hpp"

#include <QPointer>
#include <QTcpSocket>

namespace Melvane {

CClientObj::CClientObj(QObject* parent) : QObject(parent) {}

CClientObj::~CClientObj() {
    if (m_socket != nullptr) {
        m_socket->disconnect(this);
        m_socket->abort();
        delete m_socket;
        m_socket = nullptr;
    }
}

bool CClientObj::Connect(quint16 port, const QString& host, QString* error, int timeoutMs) {
    if (m_socket != nullptr) Close(ClosedHere);
    auto* socket = new QTcpSocket(this);
    socket->connectToHost(host, port);
    if (!socket->waitForConnected(timeoutMs)) {
        if (error != nullptr) *error = socket->errorString();
        socket->abort();
        socket->deleteLater();
        return false;
    }
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket = socket;
    m_decoder = std::make_unique<TavNet::MessageDecoder>();
    connect(socket, &QTcpSocket::readyRead, this, &CClientObj::ReceiveMessages);
    connect(socket, &QTcpSocket::disconnected, this, &CClientObj::OnSocketDisconnected);
    connect(socket, &QTcpSocket::errorOccurred, this, &CClientObj::OnSocketError);
    // Bytes that came with the connection itself.
    if (socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &CClientObj::ReceiveMessages, Qt::QueuedConnection);
    return true;
}

bool CClientObj::Send(const TavNet::CMessage& message) {
    if (m_socket == nullptr) return false;
    TavNet::Bytes bytes;
    try {
        TavNet::MessageEncoder::Encode(message, bytes);
    } catch (const TavNet::MessageError&) {
        return false;
    }
    const qint64 written =
        m_socket->write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    if (written != static_cast<qint64>(bytes.size())) {
        Close(SendFailed);
        return false;
    }
    m_socket->flush();
    return true;
}

void CClientObj::ReceiveMessages() {
    // The handler may close the connection (and a later Connect may open another): stop
    // reading as soon as this socket is no longer ours.
    QPointer<QTcpSocket> socket = m_socket;
    if (socket == nullptr) return;
    const QByteArray bytes = socket->readAll();
    bool refused = false;
    try {
        m_decoder->Feed(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                        static_cast<std::size_t>(bytes.size()));
    } catch (const TavNet::MessageError&) {
        refused = true;
    }
    TavNet::CMessage message;
    while (m_socket == socket && m_decoder && m_decoder->Next(message))
        OnMessage(message);
    if (refused && m_socket == socket) Close(ReceiveFailed);
}

void CClientObj::OnSocketDisconnected() {
    if (m_socket == nullptr) return;
    // What arrived before the end still counts.
    if (m_socket->bytesAvailable() > 0) ReceiveMessages();
    if (m_socket != nullptr) Close(ReceiveFailed);
}

void CClientObj::OnSocketError(QAbstractSocket::SocketError error) {
    if (m_socket == nullptr) return;
    if (error == QAbstractSocket::RemoteHostClosedError) return OnSocketDisconnected();
    Close(ReceiveFailed);
}

void CClientObj::Close(int reason) {
    if (m_socket == nullptr) return;
    QTcpSocket* socket = m_socket;
    m_socket = nullptr;
    m_decoder.reset();
    socket->disconnect(this);
    if (reason != ClosedHere) OnClose(reason);
    // A closing connection still delivers what was written (the goodbye message) before the
    // socket goes.
    if (socket->state() == QAbstractSocket::UnconnectedState) {
        socket->deleteLater();
        return;
    }
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->disconnectFromHost();
    if (socket->state() == QAbstractSocket::UnconnectedState) socket->deleteLater();
}

} // namespace Melvane

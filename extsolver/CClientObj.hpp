#pragma once
// The external solver program's connection to the workbench's result server: one TCP
// connection on which messages are sent whole and read as their bytes arrive, each handed to
// OnMessage on the thread that owns this object. A failed send, a failed or refused read
// (bytes that are no message, a message past our limits) and the end of the stream close the
// connection and call OnClose once. The socket is released after the handler that closed it
// has returned. Qt Core and Network only.

#include "protocol/CMessage.hpp"
#include "protocol/MessageDecoder.hpp"

#include <QAbstractSocket>
#include <QObject>
#include <QString>

#include <memory>

class QTcpSocket;

namespace Melvane {

class CClientObj : public QObject {
    Q_OBJECT
public:
    // Why a connection closed.
    enum CloseReason { SendFailed = 0, ReceiveFailed = 1, ClosedHere = 3 };

    explicit CClientObj(QObject* parent = nullptr);
    ~CClientObj() override;

    // Connects to host:port, closing an earlier connection silently first; waits at most
    // timeoutMs. On failure returns false, leaves no socket behind and puts the reason in
    // error (when given).
    bool Connect(quint16 port, const QString& host, QString* error = nullptr, int timeoutMs = 10000);
    // Closes the connection without calling OnClose.
    void Disconnect() { Close(ClosedHere); }
    // Writes the message; false when not connected or the write failed (which closes the
    // connection with reason SendFailed).
    bool Send(const TavNet::CMessage& message);
    bool IsConnected() const { return m_socket != nullptr; }

protected:
    virtual void OnMessage(const TavNet::CMessage& message) = 0;
    virtual void OnClose(int reason) = 0;
    // Calls OnClose (unless reason is ClosedHere), then drops the connection.
    void Close(int reason);

private:
    void ReceiveMessages();
    void OnSocketError(QAbstractSocket::SocketError error);
    void OnSocketDisconnected();

    QTcpSocket* m_socket = nullptr;
    std::unique_ptr<TavNet::MessageDecoder> m_decoder;
};

} // namespace Melvane

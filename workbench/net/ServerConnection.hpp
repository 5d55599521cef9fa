#pragma once
// One accepted connection as the server's core sees it: bytes go out through Write, and Close
// ends it. The socket layer that made it releases the socket later, outside any handler.

#include "protocol/MessageEncoder.hpp"

namespace TavNet {

class ServerConnection {
public:
    virtual ~ServerConnection() = default;
    // Queues the bytes for sending; false when the connection cannot take them (closed, or
    // the peer does not read what was sent before).
    virtual bool Write(const Bytes& bytes) = 0;
    // Ends the connection: what was written still leaves, nothing more is read.
    virtual void Close() = 0;
};

// Starts and stops listening for the server's core.
class ServerListener {
public:
    virtual ~ServerListener() = default;
    // Binds to port on every local address and listens; false with the reason in error.
    virtual bool Start(int port, std::string& error) = 0;
    virtual void Stop() = 0;
};

} // namespace TavNet

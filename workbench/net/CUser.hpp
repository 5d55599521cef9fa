#pragma once
// One connected external solver program as the result server keeps it: its number (never
// reused), its connection and the reader of its stream, its announced solver name, whether it
// holds the current problem, its last accepted solutions and its role.

#include "workbench/net/ExternalSolutions.hpp"
#include "protocol/MessageDecoder.hpp"
#include "workbench/net/ServerConnection.hpp"

#include <memory>
#include <string>

namespace TavNet {

class CUser {
public:
    CUser(int userNumber, std::unique_ptr<ServerConnection> userConnection, const MessageLimits& limits,
          MemoryBudget* budget = nullptr)
        : number(userNumber), connection(std::move(userConnection)), decoder(limits, budget) {}
    virtual ~CUser() = default;
    CUser(const CUser&) = delete;
    CUser& operator=(const CUser&) = delete;

    int number;
    std::unique_ptr<ServerConnection> connection;
    MessageDecoder decoder;
    std::string name;
    bool problemSent = false;
    bool hasSolutions = false;
    std::string solutions;
    // The accepted solutions, read and checked against the problem they were sent for.
    ExternalSolutions checkedSolutions;
    bool slave = false;
};

} // namespace TavNet

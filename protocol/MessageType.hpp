#pragma once
// The message types exchanged between the workbench's result server (W) and external solver
// programs (E), with their codes on the wire. Item 0 of each, where it has one, is named after
// the type.

#include <cstdint>
#include <optional>

namespace TavNet {

enum class MessageType : std::int32_t {
    RequestProblem = 0,   // E->W string: the program's current solutions text (ignored)
    Register = 1,         // E->W string: the solver's name
    Problem = 2,          // W->E string: the problem description text
    TextLine = 3,         // E->W string: a line of text (not sent by Melvane)
    Broadcast = 4,        // W->E string: a line for the program's log
    ServerDisconnect = 5, // W->E no item (never sent by the workbench)
    UserConnected = 6,    // W->E 4-byte integer: the new user's number
    Disconnect = 7,       // E->W no item; W->E 4-byte integer: the number of the user who left
    ProblemChanged = 8,   // W->E string "update problem"
    Solutions = 9,        // E->W string: the solutions text
    Role = 10,            // E->W string "Master" or "Slave"
};

constexpr std::int32_t ToInt(MessageType type) {
    return static_cast<std::int32_t>(type);
}

// The type of a code from the wire; empty for a code no type has, which the receiver refuses.
constexpr std::optional<MessageType> MessageTypeOf(std::int32_t code) {
    const auto type = static_cast<MessageType>(code);
    switch (type) {
    case MessageType::RequestProblem:
    case MessageType::Register:
    case MessageType::Problem:
    case MessageType::TextLine:
    case MessageType::Broadcast:
    case MessageType::ServerDisconnect:
    case MessageType::UserConnected:
    case MessageType::Disconnect:
    case MessageType::ProblemChanged:
    case MessageType::Solutions:
    case MessageType::Role:
        return type;
    }
    return std::nullopt;
}

} // namespace TavNet

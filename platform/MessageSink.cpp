#include "platform/MessageSink.hpp"

#include <iostream>

namespace Platform {

namespace {
std::mutex g_handlerMutex;
MessageHandler g_handler;
} // namespace

void ShowMessage(const std::string& text) {
    MessageHandler handler;
    {
        std::lock_guard lock(g_handlerMutex);
        handler = g_handler;
    }
    if (handler) {
        handler(text);
    } else {
        std::cerr << text;
        if (text.empty() || text.back() != '\n') std::cerr << '\n';
        std::cerr.flush();
    }
}

MessageHandler SetMessageHandler(MessageHandler handler) {
    std::lock_guard lock(g_handlerMutex);
    MessageHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

MessageCapture::MessageCapture() {
    m_previous = SetMessageHandler([this](const std::string& text) {
        std::lock_guard lock(m_mutex);
        m_messages.push_back(text);
    });
}

MessageCapture::~MessageCapture() { SetMessageHandler(std::move(m_previous)); }

std::vector<std::string> MessageCapture::Messages() const {
    std::lock_guard lock(m_mutex);
    return m_messages;
}

void MessageCapture::Clear() {
    std::lock_guard lock(m_mutex);
    m_messages.clear();
}

} // namespace Platform

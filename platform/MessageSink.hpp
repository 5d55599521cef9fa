#pragma once
// Process-wide message sink standing in for the framework's modal message box.
// Library code "shows" a text here; the host program decides where it goes (stderr by default,
// a dialog in the GUI, a capture buffer in tests).

#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace Platform {

using MessageHandler = std::function<void(const std::string& text)>;

// Shows a text to the user through the installed handler (stderr when none is installed).
void ShowMessage(const std::string& text);

// Installs a handler for every later ShowMessage and returns the previous one.
// An empty handler restores the default (stderr).
MessageHandler SetMessageHandler(MessageHandler handler);

// The framework's message box under its own name, for code that reads like its design.
inline void AfxMessageBox(const std::string& text) { ShowMessage(text); }

// Collects every message shown while it lives; restores the previous handler afterwards.
// Thread-safe: messages may be shown from worker threads.
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> Messages() const;
    void Clear();

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_messages;
    MessageHandler m_previous;
};

} // namespace Platform

#pragma once
// Message boxes and questions answered in code: boxes are recorded, questions are recorded and
// answered from a queue of answers (Yes when the queue is empty). Thread-safe.

#include "workbench/DocMessages.hpp"

#include <deque>
#include <mutex>
#include <string>
#include <vector>

class RecordingMessages : public TavWorkbench::DocMessages {
public:
    void Show(const std::string& text) override {
        std::lock_guard lock(m_mutex);
        m_shown.push_back(text);
    }
    bool Ask(const std::string& question) override {
        std::lock_guard lock(m_mutex);
        m_asked.push_back(question);
        if (m_answers.empty()) return true;
        const bool answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    void Answer(bool yes) {
        std::lock_guard lock(m_mutex);
        m_answers.push_back(yes);
    }
    std::vector<std::string> Shown() const {
        std::lock_guard lock(m_mutex);
        return m_shown;
    }
    std::vector<std::string> Asked() const {
        std::lock_guard lock(m_mutex);
        return m_asked;
    }
    void Clear() {
        std::lock_guard lock(m_mutex);
        m_shown.clear();
        m_asked.clear();
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_shown;
    std::vector<std::string> m_asked;
    std::deque<bool> m_answers;
};

#pragma once
// Runs the event loop until a condition holds or a generous limit passes (a limit is only a
// guard against a hang: the tests decide by the condition, never by the time).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <functional>

inline bool WaitFor(const std::function<bool()>& condition, int limitMs = 60000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > limitMs) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

// Waiting in tests: let the event loop run until something holds, for a bounded time.
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <functional>

namespace corvane::test {

// Runs the event loop (in 5 ms steps, without spinning) until done() or ms have passed.
inline void runEventsUntil(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

}  // namespace corvane::test

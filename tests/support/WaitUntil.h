#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>

namespace lindquay::test {

// Processes events (deferred deletions included) until the condition holds; false when it
// still does not after the timeout. Unlike Qt Test's QTRY macros, the answer reaches
// GoogleTest: use it as EXPECT_TRUE(waitUntil(...)).
template <typename Condition> bool waitUntil(Condition condition, int timeoutMs = 10000) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition()) {
        if (elapsed.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(1);
    }
    return true;
}

} // namespace lindquay::test

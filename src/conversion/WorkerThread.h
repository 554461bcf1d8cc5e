#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QThread>

#include <functional>

// Long work (reading a workbook, converting) off the window's thread. The work runs on a
// QThread of its own, which has an event loop for whatever the work waits on (network replies
// through a local QEventLoop); done runs on context's thread once the work has returned,
// unless context is gone by then. The thread deletes itself afterwards.
QThread* startWorkerThread(QObject* context, std::function<void()> work,
                           std::function<void()> done);

// Calls show on context's thread with the latest value, at most once per interval: a worker
// reports every step, the window draws a few times a second. Safe to call from the worker.
template <class Value> class Throttle {
public:
    Throttle(QObject* context, std::function<void(const Value&)> show, qint64 intervalMs)
        : m_context(context), m_show(std::move(show)), m_intervalMs(intervalMs) {
        m_clock.start();
    }
    void post(const Value& value) {
        if (m_clock.elapsed() < m_intervalMs) {
            return;
        }
        m_clock.restart();
        QMetaObject::invokeMethod(
            m_context, [show = m_show, value] { show(value); }, Qt::QueuedConnection);
    }

private:
    QObject* m_context;
    std::function<void(const Value&)> m_show;
    qint64 m_intervalMs;
    QElapsedTimer m_clock;
};

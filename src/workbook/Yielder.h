#pragma once

#include <QElapsedTimer>

#include <functional>

// Hands control back to the caller (the window processes its events there) during long
// work, at most once per interval and never per cell: tick() is cheap, and only every
// 256th tick looks at the clock.
class Yielder {
public:
    explicit Yielder(std::function<void()> callback = {}, qint64 intervalMs = 10);

    void tick() {
        if (!m_callback || (++m_ticks & 255) != 0) {
            return;
        }
        check();
    }
    // Yields now if the interval has passed, whatever the tick count.
    void check();

private:
    std::function<void()> m_callback;
    qint64 m_intervalMs;
    QElapsedTimer m_clock;
    quint32 m_ticks = 0;
};

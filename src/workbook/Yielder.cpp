#include "Yielder.h"

Yielder::Yielder(std::function<void()> callback, qint64 intervalMs)
    : m_callback(std::move(callback)), m_intervalMs(intervalMs) {
    m_clock.start();
}

void Yielder::check() {
    if (!m_callback || m_clock.elapsed() < m_intervalMs) {
        return;
    }
    m_callback();
    m_clock.restart();
}

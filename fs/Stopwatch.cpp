#include "Stopwatch.h"

namespace {
constexpr std::chrono::milliseconds kLockTimeout{10000};
}

Stopwatch::Guard::Guard(std::recursive_timed_mutex& lock)
    : m_lock(lock), m_bOwned(lock.try_lock_for(kLockTimeout)) {}

Stopwatch::Guard::~Guard() {
    if (m_bOwned) {
        m_lock.unlock();
    }
}

void Stopwatch::StartTimer() {
    Guard guard(m_lock);
    m_start = std::chrono::steady_clock::now();
    m_bRunning = true;
}

bool Stopwatch::IsRunning() const {
    Guard guard(m_lock);
    return m_bRunning;
}

long double Stopwatch::ElapsedSeconds() const {
    Guard guard(m_lock);
    if (!m_bRunning) {
        return 0.0L;
    }
    const std::chrono::duration<long double> elapsed = std::chrono::steady_clock::now() - m_start;
    return elapsed.count();
}

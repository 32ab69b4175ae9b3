#pragma once

#include <chrono>

// Lets something happen at most once per interval: for work that a long
// loop asks for far more often than a person could see it (repainting a
// progress text, looking for user input).
class RateLimit {
  public:
    explicit RateLimit(std::chrono::milliseconds interval) : m_interval(interval) {}

    // True when the interval has passed since the last true (always the
    // first time, and after Reset).
    bool Due() {
        const auto now = std::chrono::steady_clock::now();
        if (now < m_next) {
            return false;
        }
        m_next = now + m_interval;
        return true;
    }
    void Reset() { m_next = {}; }

  private:
    std::chrono::milliseconds m_interval;
    std::chrono::steady_clock::time_point m_next{};
};

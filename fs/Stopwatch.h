#pragma once

#include <chrono>
#include <mutex>

// Measures seconds since it was started. The start time is guarded by a
// recursive lock; a lock not obtained within 10 s is passed over, so a
// stuck holder can delay but never block a caller.
class Stopwatch {
  public:
    void StartTimer();
    bool IsRunning() const;
    // Seconds since StartTimer; 0 when not running.
    long double ElapsedSeconds() const;

  private:
    class Guard {
      public:
        explicit Guard(std::recursive_timed_mutex& lock);
        ~Guard();
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;

      private:
        std::recursive_timed_mutex& m_lock;
        bool m_bOwned;
    };

    mutable std::recursive_timed_mutex m_lock;
    std::chrono::steady_clock::time_point m_start{};
    bool m_bRunning = false;
};

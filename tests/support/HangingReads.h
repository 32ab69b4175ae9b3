#pragma once

#include <condition_variable>
#include <mutex>

#include "SystemCalls.h"

// While it lives, reads hang, as on a network share whose server stopped
// answering, until the test lets them go (or, so that no fault can hang the
// test, ten seconds pass and they fail).
class HangingReads : public SystemCalls {
  public:
    HangingReads();
    // Lets every read go and waits until none is left inside.
    ~HangingReads() override;

    // Hangs until released, then fails with EIO.
    ssize_t Read(int fd, void* buffer, size_t count) override;

    // A read has begun.
    bool Started();
    // A read is waiting now.
    bool Hanging();
    void Release();

  private:
    SystemCalls* m_previous = nullptr;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    int m_inside = 0;
    int m_started = 0;
    bool m_released = false;
};

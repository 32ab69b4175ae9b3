#include "HangingReads.h"

#include <cerrno>
#include <chrono>

HangingReads::HangingReads() : m_previous(SystemCalls::Install(this)) {}

HangingReads::~HangingReads() {
    Release();
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_inside == 0; });
    SystemCalls::Install(m_previous);
}

ssize_t HangingReads::Read(int, void*, size_t) {
    std::unique_lock lock(m_mutex);
    ++m_inside;
    ++m_started;
    m_changed.notify_all();
    m_changed.wait_for(lock, std::chrono::seconds(10), [this] { return m_released; });
    --m_inside;
    m_changed.notify_all();
    errno = EIO;
    return -1;
}

bool HangingReads::Started() {
    const std::lock_guard lock(m_mutex);
    return m_started > 0;
}

bool HangingReads::Hanging() {
    const std::lock_guard lock(m_mutex);
    return m_inside > 0;
}

void HangingReads::Release() {
    const std::lock_guard lock(m_mutex);
    m_released = true;
    m_changed.notify_all();
}

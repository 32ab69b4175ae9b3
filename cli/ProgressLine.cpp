#include "ProgressLine.h"

#include <unistd.h>

namespace {
constexpr std::chrono::milliseconds kInterval{100};
}

ProgressLine::ProgressLine(std::FILE* stream)
    : m_stream(stream), m_bEnabled(isatty(fileno(stream)) != 0) {}

ProgressLine::~ProgressLine() {
    Clear();
}

void ProgressLine::Show(const std::string& text) {
    const auto now = std::chrono::steady_clock::now();
    if (!m_bEnabled || (m_bShown && now - m_lastShown < kInterval)) {
        return;
    }
    std::fprintf(m_stream, "\r%s\x1b[K", text.c_str());
    std::fflush(m_stream);
    m_bShown = true;
    m_lastShown = now;
}

void ProgressLine::Clear() {
    if (m_bShown) {
        std::fputs("\r\x1b[K", m_stream);
        std::fflush(m_stream);
        m_bShown = false;
    }
}

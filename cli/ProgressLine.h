#pragma once

#include <chrono>
#include <cstdio>
#include <string>

// A progress text on one terminal line that rewrites itself, shown only
// when the stream is a terminal and at most ten times a second.
class ProgressLine {
  public:
    explicit ProgressLine(std::FILE* stream);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    void Show(const std::string& text);
    // Removes the line.
    void Clear();

  private:
    std::FILE* m_stream;
    bool m_bEnabled;
    bool m_bShown = false;
    std::chrono::steady_clock::time_point m_lastShown{};
};

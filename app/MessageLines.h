#pragma once

#include <cstddef>
#include <string>

// `path` short enough for one line of a message box, which cannot wrap a
// name: leading folders give way to "..." ("/.../docs/report.txt"), and a
// name too long even for that keeps its start and its end.
std::string PathForMessage(const std::string& path);

// The lines of a message box that lists what went wrong: the first `most`
// are shown, the rest only counted ("and 7 more"), so that a box about a
// million files still fits on a screen.
class MessageLines {
  public:
    explicit MessageLines(size_t most = 20) : m_most(most) {}

    void Add(const std::string& line);
    bool Empty() const { return m_count == 0; }
    // The lines, each ending in a line break.
    std::string Text() const;

  private:
    size_t m_most;
    size_t m_count = 0;
    std::string m_text;
};

#pragma once

#include <cstdio>
#include <string>

// A stream that the results go to, watched for write errors (a full disk, a
// closed terminal): the first failure is kept, later writes are skipped, and
// the caller can stop and report it.
class CheckedOutput {
  public:
    explicit CheckedOutput(std::FILE* stream);

    // Writes printf-style, unless a write has failed already.
    void Printf(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Writes `text` as it stands, unless a write has failed already.
    void Write(const std::string& text);
    // Writes out what is still buffered; true when every write succeeded.
    bool Finish();
    bool Failed() const { return m_error != 0; }
    // Prints "vantrel-compare: write error: " and the system's reason.
    void ReportTo(std::FILE* err) const;

  private:
    void NoteFailure();

    std::FILE* m_stream;
    int m_error = 0;  // errno of the first failed write
};

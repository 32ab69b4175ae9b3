#include "CheckedOutput.h"

#include <cerrno>
#include <cstdarg>
#include <cstring>

CheckedOutput::CheckedOutput(std::FILE* stream) : m_stream(stream) {}

void CheckedOutput::Printf(const char* format, ...) {
    if (Failed()) {
        return;
    }
    va_list arguments;
    va_start(arguments, format);
    const int written = std::vfprintf(m_stream, format, arguments);
    va_end(arguments);
    if (written < 0 || std::ferror(m_stream) != 0) {
        NoteFailure();
    }
}

void CheckedOutput::Write(const std::string& text) {
    if (Failed()) {
        return;
    }
    if (std::fwrite(text.data(), 1, text.size(), m_stream) != text.size() ||
        std::ferror(m_stream) != 0) {
        NoteFailure();
    }
}

bool CheckedOutput::Finish() {
    if (!Failed() && (std::fflush(m_stream) == EOF || std::ferror(m_stream) != 0)) {
        NoteFailure();
    }
    return !Failed();
}

void CheckedOutput::ReportTo(std::FILE* err) const {
    std::fprintf(err, "vantrel-compare: write error: %s\n", std::strerror(m_error));
}

// The stream keeps only an error flag; errno still holds why the write
// failed, unless some library call cleared it.
void CheckedOutput::NoteFailure() {
    m_error = errno != 0 ? errno : EIO;
}

#pragma once

#include <string>

// The trace log: a text file beside the program (its folder and base name
// with ".LOG"), emptied at every start, one time-stamped line per message:
//   (12/06/2026 07:10:49  12.345678901) message
// with the local time and the seconds since the program started. A log that
// cannot be written loses the message silently.

// Deletes the log and starts the clock; called once at start-up.
void ResetTraceLog();
// Appends one line formatted printf-style; the message is cut to 511 bytes.
void TraceLog(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Appends one line holding `message` exactly (cut to 511 bytes), never
// formatted, so a "%" in a file name is written literally.
void TraceLogText(const std::string& message);
// Where the log is written.
const std::string& TraceLogPath();

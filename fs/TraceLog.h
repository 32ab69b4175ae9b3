#pragma once

#include <string>

// The trace log: a text file named after the program, with ".LOG", beside
// the program or, where the program's folder is not writable (an installed
// program), in the user's state folder; emptied at every start, one
// time-stamped line per message:
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
// Where the log is written: PlaceTraceLog for this program and user.
const std::string& TraceLogPath();
// Where the log of the program `programPath` goes: beside it when its folder
// is writable, else `stateHome`/vantrel/ (`home`/.local/state/vantrel/ when
// `stateHome` is null, empty or not absolute), a folder made here when
// missing, readable by the user alone.
std::string PlaceTraceLog(const std::string& programPath, const char* stateHome,
                          const std::string& home);

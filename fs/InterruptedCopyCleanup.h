#pragma once

#include <initializer_list>
#include <string>

// Removes the temporary file of the copy in progress when a signal ends the
// program (Ctrl-C, a kill, the end of the session), so that no half-written
// ".vantrel-" file stays behind in the user's folder. The copy creates its
// file through this class, which notes the name in a buffer set aside
// beforehand; the signal handler, which may do only async-signal-safe work,
// finds it there. One copy at a time notes its file.
class InterruptedCopyCleanup {
  public:
    // For each of `signals`, all of which end the program, unless it is
    // ignored: a handler that removes the noted file and then hands the
    // signal on to the handler installed before it, or, where there was
    // none, ends the program as the signal's default action does. A second
    // such signal ends the program at once, even if the handler before only
    // noted the first for a main loop that never came to it. An ignored
    // signal (SIGHUP under nohup) stays ignored.
    static void InstallHandlers(std::initializer_list<int> signals);

    // Creates a file as mkostemp does from `pathTemplate` (ending in
    // "XXXXXX"; it receives the name made) and notes it, with no moment in
    // between at which such a signal would leave it behind. The open
    // descriptor, or -1 with errno set: EINTR once such a signal has arrived,
    // since the program is ending. A path too long for the buffer is created
    // but not noted (the sweep of stale temporary files removes it later,
    // should it be left).
    static int CreateNotedFile(std::string& pathTemplate);
    // The noted file is no longer there to be removed (committed or removed).
    static void Forget();
    // True once such a signal has arrived: a copy under way stops.
    static bool SignalArrived();

    // Ends the program as `signal`'s default action does; inside a handler
    // of `signal`, once that handler returns. Async-signal-safe.
    static void RaiseWithDefaultAction(int signal);
};

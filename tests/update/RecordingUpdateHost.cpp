#include "RecordingUpdateHost.h"

bool RecordingUpdateHost::KeepWaiting() {
    if (stopAfterWaits > 0) {
        --stopAfterWaits;
    }
    return stopAfterWaits != 0;
}

bool RecordingUpdateHost::AskYesNo(const std::string& text) {
    questions.push_back(text);
    if (answers.empty()) {
        return false;
    }
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

bool RecordingUpdateHost::StartProgram(const std::string& path) {
    startedPrograms.push_back(path);
    return programStarts;
}

#include "FileActions.h"

#include <cerrno>
#include <cstring>

#include "FileQueries.h"
#include "PathText.h"
#include "SystemCalls.h"
#include "TraceLog.h"
#include "ZrFileCopy.h"

CopyOutcome CopyCreatingFolders(const std::string& source, const std::string& target,
                                std::string* reason) {
    if (!CreateFolderChain(GetFolderOfPath(target))) {
        return CopyOutcome::FolderNotCreated;
    }
    if (!ZrFileCopy(source, target, true, true, reason)) {
        return CopyOutcome::NotCopied;
    }
    return CopyOutcome::Copied;
}

std::optional<std::string> RemoveFile(const std::string& path) {
    if (SystemCalls::Current().Unlink(path.c_str()) == 0) {
        return std::nullopt;
    }
    std::string reason = std::strerror(errno);
    TraceLogText("Unable to delete \"" + path + "\": " + reason);
    return reason;
}

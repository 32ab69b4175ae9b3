#include "StagedExtraction.h"

#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <memory>

#include "ArchiveEntryCheck.h"
#include "SystemCalls.h"
#include "UniqueFd.h"

namespace {

struct ReaderDeleter {
    void operator()(archive* reader) const { archive_read_free(reader); }
};

InstallResult Ended(InstallOutcome outcome, std::string reason) {
    return {outcome, std::move(reason), true};
}

InstallResult Unreadable(archive* reader, const std::string& what) {
    const char* const error = archive_error_string(reader);
    return Ended(InstallOutcome::Unreadable,
                 what + ": " + (error != nullptr ? error : "unreadable archive"));
}

InstallResult StagingFailed(const std::string& name) {
    return Ended(InstallOutcome::Failed, "Unable to stage " + name + ": " + std::strerror(errno));
}

// Opens (making it when missing) the folder `component` of `parentFd`,
// never through a link.
UniqueFd OpenFolder(int parentFd, const std::string& component) {
    if (mkdirat(parentFd, component.c_str(), 0700) != 0 && errno != EEXIST) {
        return UniqueFd();
    }
    return UniqueFd(
        openat(parentFd, component.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
}

}  // namespace

InstallResult StagedExtraction::Extract(const std::string& archivePath) {
    const std::unique_ptr<archive, ReaderDeleter> reader(archive_read_new());
    // Only the reader that goes by the archive's central directory: it sees
    // each entry's kind (a link is a link) and refuses an archive whose end
    // is missing, where the streaming reader would take the entries it got.
    archive_read_support_format_zip_seekable(reader.get());
    if (archive_read_open_filename(reader.get(), archivePath.c_str(), 65536) != ARCHIVE_OK) {
        return Unreadable(reader.get(), archivePath);
    }
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF) {
            return Ended(InstallOutcome::Installed, "");
        }
        if (status != ARCHIVE_OK && status != ARCHIVE_WARN) {
            return Unreadable(reader.get(), archivePath);
        }
        InstallResult staged = StageEntry(reader.get(), entry);
        if (staged.outcome != InstallOutcome::Installed) {
            return staged;
        }
    }
}

InstallResult StagedExtraction::StageEntry(archive* reader, archive_entry* entry) {
    const std::string refusal = RefusalOf(entry);
    if (!refusal.empty()) {
        return Ended(InstallOutcome::Refused, refusal);
    }
    const std::string name = SafeName(archive_entry_pathname(entry));
    const std::vector<std::string> components = SafeNameComponents(name);
    const bool folder = archive_entry_filetype(entry) == AE_IFDIR;
    // The folders on the way, the last component too when it is a folder.
    UniqueFd folderFd(fcntl(m_stagingFd, F_DUPFD_CLOEXEC, 0));
    const size_t folderCount = folder ? components.size() : components.size() - 1;
    for (size_t i = 0; i < folderCount && folderFd.IsOpen(); ++i) {
        folderFd = OpenFolder(folderFd.Get(), components[i]);
    }
    if (!folderFd.IsOpen()) {
        return StagingFailed(name);
    }
    if (!folder) {
        InstallResult staged = StageFile(reader, folderFd.Get(), components.back(), name,
                                         static_cast<int>(archive_entry_perm(entry) & 0777));
        if (staged.outcome != InstallOutcome::Installed) {
            return staged;
        }
    }
    m_entries.push_back({name, folder});
    return Ended(InstallOutcome::Installed, "");
}

InstallResult StagedExtraction::StageFile(archive* reader, int folderFd, const std::string& leaf,
                                          const std::string& name, int permissions) {
    UniqueFd file(
        openat(folderFd, leaf.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!file.IsOpen()) {
        return StagingFailed(name);
    }
    std::array<char, 65536> buffer;
    for (;;) {
        const la_ssize_t got = archive_read_data(reader, buffer.data(), buffer.size());
        if (got < 0) {
            return Unreadable(reader, name);
        }
        if (got == 0) {
            break;
        }
        if (!SystemCalls::Current().WriteAll(file.Get(), buffer.data(), static_cast<size_t>(got))) {
            return StagingFailed(name);
        }
    }
    // Set after writing, so that the process's umask does not narrow them.
    if (fchmod(file.Get(), static_cast<mode_t>(permissions)) != 0 || !file.Close()) {
        return StagingFailed(name);
    }
    return Ended(InstallOutcome::Installed, "");
}

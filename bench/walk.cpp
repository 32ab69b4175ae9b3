// Lists and reads the status of every file of a generated tree of 100 000
// files in 1 000 folders, as a compare does for one side, and prints files
// per second and peak memory, with `find TREE -type f | wc -l` on the same
// tree for reference.
#include <sys/stat.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "CFileStatus.h"
#include "CUncIterator.h"

namespace {

constexpr int kFolders = 1000;
constexpr int kFilesPerFolder = 100;

// 10 top folders of 100 subfolders each, 100 small files in every subfolder.
void GenerateTree(const std::string& root) {
    for (int folder = 0; folder < kFolders; ++folder) {
        const std::string dir =
            root + "/top" + std::to_string(folder / 100) + "/sub" + std::to_string(folder % 100);
        std::filesystem::create_directories(dir);
        for (int file = 0; file < kFilesPerFolder; ++file) {
            std::ofstream(dir + "/file" + std::to_string(file) + ".dat") << "content " << file;
        }
    }
}

enum class StatusSource { Listing, SeparateQuery };

// Walks the tree and collects every file's status, either from the status
// the listing already read or by a separate query per path; prints the
// rate and returns the number of files.
size_t WalkTree(const std::string& root, StatusSource source) {
    const Timer timer;
    std::vector<CFileStatus> statuses;
    CUncIterator iterator(root + "/*.*");
    iterator.Start(true, false, true, false);
    while (!iterator.IsEmpty()) {
        if (source == StatusSource::Listing) {
            statuses.push_back(
                CFileStatus::FromStat(iterator.Full(), iterator.GetFindData().status));
        } else if (CFileStatus status; CFileStatus::GetStatus(iterator.Full(), status)) {
            statuses.push_back(std::move(status));
        }
        iterator.Next();
    }
    iterator.End();
    const double seconds = timer.Seconds();
    std::printf("walk, status %-28s %zu files in %.3f s = %.0f files/s\n",
                source == StatusSource::Listing ? "from the listing:" : "by a query per path:",
                statuses.size(), seconds, static_cast<double>(statuses.size()) / seconds);
    return statuses.size();
}

}  // namespace

int main(int argc, char** argv) {
    PrintMachine();
    const std::string root = argc > 1 ? argv[1] : "/tmp/vantrel-bench-walk";
    if (!std::filesystem::exists(root + "/top9/sub99/file99.dat")) {
        std::printf("generating %d files in %d folders under %s\n", kFolders * kFilesPerFolder,
                    kFolders, root.c_str());
        GenerateTree(root);
    }
    const double findSeconds = TimeShellCommand("find '" + root + "' -type f | wc -l >/dev/null");

    const size_t fromListing = WalkTree(root, StatusSource::Listing);
    const size_t fromQueries = WalkTree(root, StatusSource::SeparateQuery);
    std::printf("find -type f | wc -l: %.3f s\n", findSeconds);
    std::printf("peak memory: %.1f MB\n", static_cast<double>(PeakMemoryBytes()) / 1e6);
    const size_t expected = kFolders * kFilesPerFolder;
    return fromListing == expected && fromQueries == expected ? 0 : 1;
}

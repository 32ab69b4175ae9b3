#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BackgroundJob.h"
#include "CFileStatus.h"
#include "CompareCounts.h"
#include "CompareHost.h"
#include "ContentJob.h"
#include "ResultRow.h"
#include "RowStatus.h"
#include "UnlistedFolders.h"

class FolderListing;
class PathFilter;

// Compares two folders: lists both, reads each file's status, pairs the
// files by their path relative to each folder, and classifies every pair.
// It has no window: progress, event pumping, each classified row and each
// folder it could not list go through its CompareHost.
//
// Files are read on a thread of their own while this thread keeps the
// host's events flowing, so that a read that never returns cannot hold the
// host: an abort is seen at once, and the read is left behind.
class CCompareEngine {
  public:
    static constexpr const char* kIncompleteVerdict = "Compare incomplete";

    explicit CCompareEngine(CompareHost& host);
    virtual ~CCompareEngine();
    CCompareEngine(const CCompareEngine&) = delete;
    CCompareEngine& operator=(const CCompareEngine&) = delete;

    // Lists the files of `folder` (ending in "/") and, with `recurse`, of all
    // its subfolders, sorted by name without regard to case, with their
    // status. False when aborted. A folder it could not list whole goes
    // into m_unlisted and to the host.
    bool ListFolder(const std::string& folder, std::vector<CFileStatus>& list, bool recurse);
    // Lists both folders into m_sourceFiles and m_targetFiles, then pairs
    // them. False when aborted during listing, reading or pairing.
    bool GatherFileStatus();
    // Pairs m_sourceFiles with m_targetFiles into m_results, ordered by name;
    // m_sourceFiles is emptied once its files are rows. False when aborted.
    bool AnalyzeResults();
    // The row order: by name (the left name, or the right one when the left
    // side is absent) without regard to case.
    static int CompareResultRows(const ResultRow& a, const ResultRow& b);
    // A side's full path: its folder text and the row's name; empty when absent.
    std::string LeftPath(const ResultRow& row) const;
    std::string RightPath(const ResultRow& row) const;
    // Both sides are the very same path.
    bool SamePath(const ResultRow& row) const;
    // Classifies every row in order, counting into m_counts and handing each
    // to the host. False when aborted.
    bool ClassifyResults();
    // Sets m_strCounts and m_strVerdict from m_counts; the verdict is
    // kIncompleteVerdict when a folder could not be listed whole.
    void Summarise();
    // Every folder of the last run was listed to its end.
    bool IsComplete() const { return m_unlisted.Empty(); }
    // One whole compare without a window: gather, pair, classify every row,
    // summarise. False when aborted; the abort flag is then cleared.
    bool Run();
    // Frees the lists and rows of the last run.
    void FreeResults();

    std::string m_strLeftFolder;
    std::string m_strRightFolder;
    bool m_bRecurse = false;
    bool m_bDisregardAttributes = false;
    bool m_bAbort = false;
    // The files and folders both listings leave out; none when null. Shared
    // with listings that may outlive a run.
    std::shared_ptr<const PathFilter> m_pFilter;
    std::vector<CFileStatus> m_sourceFiles;
    std::vector<CFileStatus> m_targetFiles;
    std::vector<ResultRow> m_results;
    // The folders the last run could not list whole; kept after its rows
    // are freed, for as long as its results are shown.
    UnlistedFolders m_unlisted;
    CompareCounts m_counts;
    std::string m_strStatus;
    std::string m_strCounts;
    std::string m_strVerdict;

  private:
    bool AwaitListing(FolderListing& listing, std::vector<CFileStatus>& list,
                      const std::string& folder);
    void NoteUnlistedFolders(const FolderListing& listing, const std::string& folder);
    bool ReadStatuses(std::vector<CFileStatus>& listed, std::vector<CFileStatus>& statuses,
                      bool isSource);
    bool PairRightFiles();
    bool PairGroup(size_t first, size_t end, size_t& cursor, size_t leftRows);
    // The status of one row; reads both files when their sizes agree.
    // Nothing when aborted meanwhile.
    std::optional<RowStatus> Classify(size_t index);
    bool ReadsContents(const ResultRow& row) const;
    std::optional<bool> ContentDiffers(size_t index);
    bool CompareContentsAhead(size_t first);
    // Runs `work` on the reading thread and waits, keeping the host's events
    // flowing; false when aborted meanwhile (the work is left behind).
    bool AwaitReading(BackgroundJob::Work work);
    void ShowStatus(const char* format, int first, int second = 0);
    void Pump() { m_host.PumpMessages(); }
    // A listing names its folder SOURCE whenever the folder is the source's.
    bool IsSourceFolder(const std::string& folder) const { return folder == m_strLeftFolder; }

    CompareHost& m_host;
    // Contents are compared a job of rows ahead of their classification;
    // rows below m_contentJobEnd have been looked at. The job is shared
    // with the reading thread, which may outlive a run; it is made when a
    // run first needs one.
    std::shared_ptr<ContentJob> m_contentJob;
    size_t m_contentJobEnd = 0;
    std::unique_ptr<BackgroundJob> m_reading;
};

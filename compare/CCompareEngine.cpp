#include "CCompareEngine.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string_view>

#include "FolderListing.h"
#include "MemoryArenas.h"
#include "NameList.h"
#include "TraceLog.h"

namespace {

// The fields of one side of a row.
struct RowSide {
    std::string ResultRow::*name;
    uint64_t ResultRow::*size;
    int64_t ResultRow::*time;
    uint32_t ResultRow::*attributes;
};
constexpr RowSide kLeftSide{&ResultRow::szLeftName, &ResultRow::nLeftSize, &ResultRow::tLeftTime,
                            &ResultRow::nLeftAttr};
constexpr RowSide kRightSide{&ResultRow::szRightName, &ResultRow::nRightSize,
                             &ResultRow::tRightTime, &ResultRow::nRightAttr};

// The path without the first `folderLength` bytes (the folder text).
std::string_view RelativeName(const std::string& path, size_t folderLength) {
    return std::string_view(path).substr(std::min(folderLength, path.size()));
}

void FillSide(ResultRow& row, const RowSide& side, const CFileStatus& status, size_t folderLength) {
    row.*side.name = std::string(RelativeName(status.m_szFullName, folderLength));
    row.*side.size = status.m_size;
    row.*side.time = status.m_mtime;
    row.*side.attributes = status.m_attribute;
}

int Percent(size_t part, size_t whole) {
    return whole == 0 ? 0 : static_cast<int>(100 * static_cast<uint64_t>(part) / whole);
}

// How long the engine waits for work on another thread before it lets the
// host's events through and looks at the abort flag again.
constexpr std::chrono::milliseconds kPumpInterval{10};

}  // namespace

CCompareEngine::CCompareEngine(CompareHost& host) : m_host(host) {
    LimitMemoryArenas();
}

CCompareEngine::~CCompareEngine() = default;

bool CCompareEngine::ListFolder(const std::string& folder, std::vector<CFileStatus>& list,
                                bool recurse) {
    FolderListing listing(folder, recurse, m_pFilter);
    return AwaitListing(listing, list, folder);
}

// Shows the listing's progress, a text for every ten files, and keeps
// events flowing until it ends; Abort stops it and leaves it behind.
bool CCompareEngine::AwaitListing(FolderListing& listing, std::vector<CFileStatus>& list,
                                  const std::string& folder) {
    const bool isSource = IsSourceFolder(folder);
    size_t shown = 0;
    for (;;) {
        const bool done = listing.WaitUntilDone(kPumpInterval);
        for (const size_t count = listing.Count(); shown + 10 <= count;) {
            shown += 10;
            ShowStatus(
                isSource ? "Getting SOURCE File Names... %d" : "Getting TARGET File Names... %d",
                static_cast<int>(shown));
        }
        Pump();
        if (m_bAbort) {
            listing.Stop();
            return false;
        }
        if (done) {
            list = listing.Take();
            NoteUnlistedFolders(listing, folder);
            return true;
        }
    }
}

// Each folder the listing of `folder` could not list whole is remembered,
// logged and reported to the host.
void CCompareEngine::NoteUnlistedFolders(const FolderListing& listing, const std::string& folder) {
    for (const CUncIterator::UnlistedFolder& unlisted : listing.UnlistedFolders()) {
        UnlistedFolders::Folder noted{unlisted.folder,
                                      std::string(RelativeName(unlisted.folder, folder.size())),
                                      std::strerror(unlisted.error)};
        TraceLogText("Unable to list folder \"" + noted.path + "\": " + noted.reason);
        m_host.ReportUnlistedFolder(noted);
        m_unlisted.Add(std::move(noted));
    }
}

bool CCompareEngine::GatherFileStatus() {
    m_host.UpdateData(true);
    m_sourceFiles.clear();
    m_targetFiles.clear();
    m_unlisted.Clear();
    // The target folder is listed while the source folder is.
    FolderListing targetListing(m_strRightFolder, m_bRecurse, m_pFilter);
    std::vector<CFileStatus> listed;
    if (!ListFolder(m_strLeftFolder, listed, m_bRecurse) ||
        !ReadStatuses(listed, m_sourceFiles, true) || m_bAbort) {
        return false;
    }
    if (!AwaitListing(targetListing, listed, m_strRightFolder) ||
        !ReadStatuses(listed, m_targetFiles, false) || m_bAbort) {
        return false;
    }
    m_host.ShowProgress(true);
    m_host.SetProgress(0);
    const bool paired = AnalyzeResults();
    m_host.ShowProgress(false);
    // The rows now hold all that the lists held: a run of a million files
    // need not keep each file twice. (Assigning {} would keep the memory.)
    m_targetFiles = std::vector<CFileStatus>();
    return paired;
}

bool CCompareEngine::ReadStatuses(std::vector<CFileStatus>& listed,
                                  std::vector<CFileStatus>& statuses, bool isSource) {
    for (size_t i = 0; i < listed.size(); ++i) {
        Pump();
        if (m_bAbort) {
            return false;
        }
        if (i % 10 == 0) {
            ShowStatus(isSource ? "Checking SOURCE File Status... %d of %d"
                                : "Checking TARGET File Status... %d of %d",
                       static_cast<int>(i + 1), static_cast<int>(listed.size()));
        }
    }
    // Every listed file's status was read with the listing.
    statuses = std::move(listed);
    listed = std::vector<CFileStatus>();
    return true;
}

bool CCompareEngine::AnalyzeResults() {
    m_results.clear();
    const size_t count = m_sourceFiles.size();
    m_results.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        Pump();
        if (m_bAbort) {
            return false;
        }
        if (i % 10 == 0) {
            m_host.SetProgress(Percent(i, count));
            ShowStatus("Analyzing SOURCE file %d of %d", static_cast<int>(i + 1),
                       static_cast<int>(count));
        }
        FillSide(m_results.emplace_back(), kLeftSide, m_sourceFiles[i], m_strLeftFolder.size());
    }
    // The left rows hold all that the left list held: its memory goes before
    // the right files are paired, which is when a run needs the most.
    m_sourceFiles = std::vector<CFileStatus>();
    if (!PairRightFiles()) {
        return false;
    }
    ShowStatus("Sorting Results...", 0);
    const auto before = [](const ResultRow& a, const ResultRow& b) {
        return CompareResultRows(a, b) < 0;
    };
    // Without right-only rows the merge left the rows in order already.
    if (!std::is_sorted(m_results.begin(), m_results.end(), before)) {
        std::stable_sort(m_results.begin(), m_results.end(), before);
    }
    return !m_bAbort;
}

// One forward merge of the right files into the rows of the left files. Right
// files whose names are equal but for letter case are taken as a group, so
// that each pairs first with a left file of exactly its name, then with any
// left file of that name in another case; the rest become right-only rows.
bool CCompareEngine::PairRightFiles() {
    const size_t leftRows = m_results.size();
    const size_t count = m_targetFiles.size();
    size_t cursor = 0;
    for (size_t first = 0; first < count;) {
        const std::string_view key =
            RelativeName(m_targetFiles[first].m_szFullName, m_strRightFolder.size());
        size_t end = first + 1;
        while (end < count &&
               CompareNoCase(RelativeName(m_targetFiles[end].m_szFullName, m_strRightFolder.size()),
                             key) == 0) {
            ++end;
        }
        if (!PairGroup(first, end, cursor, leftRows)) {
            return false;
        }
        first = end;
    }
    return true;
}

bool CCompareEngine::PairGroup(size_t first, size_t end, size_t& cursor, size_t leftRows) {
    const size_t count = m_targetFiles.size();
    const size_t folderLength = m_strRightFolder.size();
    const std::string_view key = RelativeName(m_targetFiles[first].m_szFullName, folderLength);
    for (size_t k = first; k < end; ++k) {
        Pump();
        if (m_bAbort) {
            return false;
        }
        if (k % 10 == 0) {
            m_host.SetProgress(Percent(k, count));
            ShowStatus("Analyzing TARGET file %d of %d", static_cast<int>(k + 1),
                       static_cast<int>(count));
        }
    }
    // The left rows with this name: they start where earlier names end.
    while (cursor < leftRows && CompareNoCase(key, m_results[cursor].szLeftName) > 0) {
        Pump();
        if (m_bAbort) {
            return false;
        }
        ++cursor;
    }
    size_t groupEnd = cursor;
    while (groupEnd < leftRows && CompareNoCase(key, m_results[groupEnd].szLeftName) == 0) {
        ++groupEnd;
    }

    std::vector<bool> paired(end - first, false);
    const auto pairWith = [&](size_t k, size_t row) {
        FillSide(m_results[row], kRightSide, m_targetFiles[k], folderLength);
        paired[k - first] = true;
    };
    const auto exactName = [&](size_t k, size_t row) {
        return RelativeName(m_targetFiles[k].m_szFullName, folderLength) ==
               m_results[row].szLeftName;
    };
    for (size_t k = first; k < end; ++k) {
        for (size_t row = cursor; row < groupEnd; ++row) {
            if (!m_results[row].HasRight() && exactName(k, row)) {
                pairWith(k, row);
                break;
            }
        }
    }
    for (size_t k = first; k < end; ++k) {
        for (size_t row = cursor; row < groupEnd && !paired[k - first]; ++row) {
            if (!m_results[row].HasRight()) {
                pairWith(k, row);
            }
        }
        if (!paired[k - first]) {
            FillSide(m_results.emplace_back(), kRightSide, m_targetFiles[k], folderLength);
        }
    }
    cursor = groupEnd;
    return true;
}

std::string CCompareEngine::LeftPath(const ResultRow& row) const {
    return row.HasLeft() ? m_strLeftFolder + row.szLeftName : std::string();
}

std::string CCompareEngine::RightPath(const ResultRow& row) const {
    return row.HasRight() ? m_strRightFolder + row.szRightName : std::string();
}

bool CCompareEngine::SamePath(const ResultRow& row) const {
    const size_t length = m_strLeftFolder.size() + row.szLeftName.size();
    if (length != m_strRightFolder.size() + row.szRightName.size()) {
        return false;
    }
    // Compares folder + name on both sides without building either path.
    const auto byteOf = [](const std::string& folder, const std::string& name, size_t i) {
        return i < folder.size() ? folder[i] : name[i - folder.size()];
    };
    for (size_t i = 0; i < length; ++i) {
        if (byteOf(m_strLeftFolder, row.szLeftName, i) !=
            byteOf(m_strRightFolder, row.szRightName, i)) {
            return false;
        }
    }
    return true;
}

int CCompareEngine::CompareResultRows(const ResultRow& a, const ResultRow& b) {
    const std::string& keyA = a.szLeftName.empty() ? a.szRightName : a.szLeftName;
    const std::string& keyB = b.szLeftName.empty() ? b.szRightName : b.szLeftName;
    return CompareNoCase(keyA, keyB);
}

std::optional<RowStatus> CCompareEngine::Classify(size_t index) {
    const ResultRow& row = m_results[index];
    if (!row.HasLeft() || !row.HasRight()) {
        return RowStatus::Missing;
    }
    if (SamePath(row)) {
        return RowStatus::Identical;
    }
    if (row.nLeftSize != row.nRightSize) {
        return RowStatus::SizeDiffers;
    }
    const std::optional<bool> contentDiffers = ContentDiffers(index);
    if (!contentDiffers) {
        return std::nullopt;
    }
    if (*contentDiffers) {
        return RowStatus::ContentDiffers;
    }
    if (row.tLeftTime != row.tRightTime) {
        return RowStatus::TimeDiffers;
    }
    if (m_bDisregardAttributes || row.nLeftAttr == row.nRightAttr) {
        return RowStatus::Identical;
    }
    return RowStatus::AttributesDiffer;
}

std::optional<bool> CCompareEngine::ContentDiffers(size_t index) {
    if (index >= m_contentJobEnd && !CompareContentsAhead(index)) {
        return std::nullopt;
    }
    // Every row whose contents are read was in a job.
    return m_contentJob->Differs(index).value_or(true);
}

// The rows whose contents Classify reads: both sides present, at different
// paths, of equal size.
bool CCompareEngine::ReadsContents(const ResultRow& row) const {
    return row.HasLeft() && row.HasRight() && row.nLeftSize == row.nRightSize && !SamePath(row);
}

// Compares, in one trip to the reading thread, the contents of the rows from
// `first` on whose contents will be read. False when aborted meanwhile.
bool CCompareEngine::CompareContentsAhead(size_t first) {
    ContentJob& job = *m_contentJob;
    job.Clear();
    size_t index = first;
    for (; index < m_results.size(); ++index) {
        const ResultRow& row = m_results[index];
        if (!ReadsContents(row)) {
            continue;
        }
        if (!job.Fits(row.nLeftSize)) {
            break;
        }
        job.Add(index, LeftPath(row), RightPath(row), row.nLeftSize);
    }
    m_contentJobEnd = index;
    return AwaitReading(
        [shared = m_contentJob](const std::atomic<bool>& stop) { shared->Compare(stop); });
}

bool CCompareEngine::AwaitReading(BackgroundJob::Work work) {
    if (!m_reading) {
        m_reading = std::make_unique<BackgroundJob>();
    }
    m_reading->Start(std::move(work));
    while (!m_reading->WaitUntilDone(kPumpInterval)) {
        Pump();
        if (m_bAbort) {
            // What the stuck work holds stays with it; the next run gets a
            // thread and a batch of its own.
            m_reading.reset();
            m_contentJob.reset();
            return false;
        }
    }
    return true;
}

bool CCompareEngine::ClassifyResults() {
    m_counts = {};
    if (!m_contentJob) {
        m_contentJob = std::make_shared<ContentJob>();
    }
    m_contentJob->Clear();
    m_contentJobEnd = 0;
    const size_t count = m_results.size();
    for (size_t i = 0; i < count; ++i) {
        if (i % 10 == 0) {
            m_host.SetProgress(Percent(i + 1, count));
            ShowStatus("Comparing files... %d of %d", static_cast<int>(i + 1),
                       static_cast<int>(count));
        }
        Pump();
        if (m_bAbort) {
            return false;
        }
        const std::optional<RowStatus> status = Classify(i);
        if (!status) {
            return false;
        }
        m_counts.Add(*status);
        m_host.ShowRow(i, m_results[i], *status);
    }
    // An abort that came with the last row still ends the run unreported.
    return !m_bAbort;
}

void CCompareEngine::Summarise() {
    m_strCounts = m_counts.Text();
    m_strVerdict = IsComplete() ? m_counts.Verdict() : kIncompleteVerdict;
}

bool CCompareEngine::Run() {
    m_counts = {};
    m_host.UpdateData(true);
    if (!GatherFileStatus() || !ClassifyResults()) {
        m_bAbort = false;
        return false;
    }
    Summarise();
    return true;
}

void CCompareEngine::FreeResults() {
    m_sourceFiles = std::vector<CFileStatus>();
    m_targetFiles = std::vector<CFileStatus>();
    m_results = std::vector<ResultRow>();
}

void CCompareEngine::ShowStatus(const char* format, int first, int second) {
    char text[128];
    std::snprintf(text, sizeof text, format, first, second);
    m_strStatus = text;
    m_host.UpdateData(false);
}

#include "CompareCommand.h"

#include <dirent.h>

#include <cerrno>
#include <cstring>

#include "PathText.h"

namespace {

// Appends a name for one output line: backslash, tab, newline and carriage
// return are escaped so that every row stays one line of three
// tab-separated fields.
void AppendEscapedName(std::string& line, const std::string& name) {
    for (const char c : name) {
        switch (c) {
            case '\\':
                line += "\\\\";
                break;
            case '\t':
                line += "\\t";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\r':
                line += "\\r";
                break;
            default:
                line += c;
        }
    }
}

}  // namespace

CompareCommand::CompareCommand(const CommandLine& line, std::FILE* out, std::FILE* err,
                               const volatile std::sig_atomic_t& interrupted)
    : m_line(line),
      m_output(out),
      m_err(err),
      m_interrupted(interrupted),
      m_progress(err),
      m_engine(*this) {}

int CompareCommand::Run() {
    if (!CheckFolder(m_line.leftFolder) || !CheckFolder(m_line.rightFolder)) {
        return kTrouble;
    }
    m_engine.m_strLeftFolder = m_line.leftFolder;
    m_engine.m_strRightFolder = m_line.rightFolder;
    AppendBackslash(m_engine.m_strLeftFolder);
    AppendBackslash(m_engine.m_strRightFolder);
    m_engine.m_bRecurse = m_line.recurse;
    m_engine.m_bDisregardAttributes = m_line.disregardAttributes;
    m_engine.m_pFilter = m_line.filter;

    const bool finished = m_engine.Run();
    m_progress.Clear();
    if (finished) {
        m_output.Printf("%s%s\n", m_engine.m_strCounts.c_str(), m_engine.m_strVerdict.c_str());
    }
    // A failed write aborted the engine too: that is trouble, not an interrupt.
    if (!m_output.Finish()) {
        m_output.ReportTo(m_err);
        return kTrouble;
    }
    if (!finished) {
        return kInterrupted;
    }
    if (!m_engine.IsComplete()) {
        return kTrouble;
    }
    return m_engine.m_counts.FoldersSame() ? kSame : kDifferent;
}

bool CompareCommand::CheckFolder(const std::string& folder) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) {
        std::fprintf(m_err, "vantrel-compare: cannot read folder '%s': %s\n", folder.c_str(),
                     std::strerror(errno));
        return false;
    }
    closedir(directory);
    return true;
}

void CompareCommand::UpdateData(bool saveAndValidate) {
    PollInterrupt();
    if (!saveAndValidate) {
        m_progress.Show(m_engine.m_strStatus);
    }
}

void CompareCommand::PumpMessages() {
    PollInterrupt();
}

void CompareCommand::PollInterrupt() {
    if (m_interrupted != 0) {
        m_engine.m_bAbort = true;
    }
}

void CompareCommand::ReportUnlistedFolder(const UnlistedFolders::Folder& folder) {
    m_progress.Clear();
    std::fprintf(m_err, "vantrel-compare: cannot list folder '%s': %s\n", folder.path.c_str(),
                 folder.reason.c_str());
}

void CompareCommand::ShowRow(size_t, const ResultRow& row, RowStatus status) {
    if (m_line.brief && status == RowStatus::Identical) {
        return;
    }
    // One line buffer serves every row: a million rows make no allocations.
    m_rowText.assign(LegendText(status));
    m_rowText += '\t';
    AppendEscapedName(m_rowText, row.szLeftName);
    m_rowText += '\t';
    AppendEscapedName(m_rowText, row.szRightName);
    m_rowText += '\n';
    m_output.Write(m_rowText);
    if (m_output.Failed()) {
        m_engine.m_bAbort = true;  // no one reads the rest
    }
}

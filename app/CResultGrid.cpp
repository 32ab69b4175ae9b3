#include "CResultGrid.h"

#include <wx/dcclient.h>
#include <wx/dcscreen.h>
#include <wx/renderer.h>
#include <wx/toplevel.h>

#include <cstring>

#include "DiffTool.h"
#include "DisplayText.h"
#include "ExternalProgram.h"
#include "FileActions.h"
#include "FileDeletion.h"
#include "MessageBox.h"
#include "MessageLines.h"
#include "PathText.h"
#include "PumpMessages.h"
#include "ResourceImages.h"
#include "ResultLinesSource.h"
#include "ResultsWindow.h"
#include "ThemePalette.h"
#include "WidestTextRows.h"

CResultGrid::~CResultGrid() = default;

CResultGrid& CResultGrid::OtherGrid() const {
    return m_bLeftGrid ? m_pWindow->RightGrid() : m_pWindow->LeftGrid();
}

void CResultGrid::InitialiseGrid() {
    m_pWindow = dynamic_cast<ResultsWindow*>(wxGetTopLevelParent(this));
    m_bLeftGrid = m_pWindow != nullptr && &m_pWindow->LeftGrid() == this;
    EnablePopupMenu(true);

    m_font = wxFont(wxFontInfo(8).FaceName("Arial").Family(wxFONTFAMILY_SWISS));
    SetDefaultFont(&m_font);

    auto lines = std::make_unique<ResultLinesSource>(m_bLeftGrid);
    m_pLines = lines.get();
    SetDataSource(AddDataSource(std::move(lines)));
    SetRowCount(100, false);
    SetColumnCount(2, false);
    // No side heading and no scroll bars: the window's shared bar scrolls.
    SetSideHeadingWidth(0);
    SetVScrollBarWidth(0);
    SetHScrollBarHeight(0);

    SetVScrollTracking(1);
    SetDoubleBuffering(true);
    SetCellType(kColumnStatus, -1, kNormalCellType);
    SetTextOverflow(false);
    SetRowHighlight(true, true);
    SetCurrentCellStyle(2);
    EnableHints(true);

    int* const indexes[] = {&m_nBmpIdentical, &m_nBmpContent, &m_nBmpMissing, &m_nBmpAttrib,
                            &m_nBmpTime,      &m_nBmpSize,    &m_nBmpFolder};
    int resourceId = 129;
    for (int* index : indexes) {
        *index = AddBitmap(LoadResourceBitmap(resourceId++));
    }
}

// Whatever scrolls one grid (keys, the wheel, a click, an action) scrolls
// its partner to the same top row and puts the shared bar's thumb there. A
// grid that follows its partner does not lead it back.
void CResultGrid::NotifyTopRowChanged(int, int) {
    if (m_pWindow == nullptr || m_bFollowingPartner) {
        return;
    }
    CResultGrid& other = OtherGrid();
    other.m_bFollowingPartner = true;
    other.SetTopRow(GetTopRow());
    other.m_bFollowingPartner = false;
    m_pWindow->ShowTopRowOnSharedBar(GetTopRow());
}

void CResultGrid::ShowResults(const std::vector<ResultRow>& rows, const std::string& folder,
                              bool greyAttributes) {
    m_fittedWidths.reset();
    m_pLines->ShowRows(
        rows, folder, greyAttributes,
        {GetBitmap(m_nBmpIdentical), GetBitmap(m_nBmpContent), GetBitmap(m_nBmpMissing),
         GetBitmap(m_nBmpAttrib), GetBitmap(m_nBmpTime), GetBitmap(m_nBmpSize)});
}

void CResultGrid::ShowStatus(size_t index, RowStatus status) {
    m_pLines->SetStatus(index, status);
}

void CResultGrid::HideIdentical(bool hide) {
    m_fittedWidths.reset();
    m_pLines->HideIdentical(hide);
    SetRowCount(m_pLines->GetLastRow() + 1, false);
}

void CResultGrid::ClearLines() {
    m_fittedWidths.reset();
    m_pLines->Empty();
}

// Every cell of these columns is one text in the grid's font, so the widest
// text by its characters' widths is the widest cell; a few of the widest
// are measured in full in case drawing the whole text differs a little.
void CResultGrid::FitColumnsToEveryRow(int first, int last) {
    constexpr size_t kMeasuredTexts = 8;
    std::unique_ptr<wxDC> dc;
    if (GetHandle() != nullptr) {
        dc = std::make_unique<wxClientDC>(this);
    } else {
        dc = std::make_unique<wxScreenDC>();
    }
    dc->SetFont(m_font);
    const auto measure = [&dc](std::string_view character) {
        return dc->GetTextExtent(wxString::FromUTF8(character.data(), character.size())).x;
    };
    const int headingRows = static_cast<int>(Sheet().m_topHeadingHeights.size());
    const int rows = GetRowCount();
    std::string text;
    for (int column = first; column <= last; ++column) {
        WidestTextRows widest(kMeasuredTexts, measure);
        for (int row = 0; row < rows; ++row) {
            m_pLines->ReadText(column, row, text);
            widest.Offer(row, text);
        }
        std::vector<int> measured;
        for (int row = -headingRows; row < 0; ++row) {
            measured.push_back(row);
        }
        const std::vector<int> candidates = widest.Rows();
        measured.insert(measured.end(), candidates.begin(), candidates.end());
        FitColumnsToRows(column, column, measured);
    }
}

int CResultGrid::NotifyFromCellType(int, int, int, int, intptr_t) {
    return 0;
}

// ------------------------------------------------------------------- lines

std::string CResultGrid::CellBytes(int column, int row) {
    return GetCellText(column, row).value_or(std::string());
}

bool CResultGrid::HasFile(int row) {
    return !CellBytes(kColumnName, row).empty();
}

CResultGrid::FileLine CResultGrid::ReadLine(int row) {
    return {CellBytes(kColumnName, row), CellBytes(kColumnSize, row),
            CellBytes(kColumnModified, row), CellBytes(kColumnAttributes, row),
            CellBytes(kColumnFullPath, row)};
}

void CResultGrid::ShowLine(int row, const FileLine& line, bool greyAttributes) {
    m_fittedWidths.reset();
    constexpr uint16_t kAlignRight = 2;
    SetCellText(kColumnName, row, line.name);
    SetCellText(kColumnSize, row, line.size);
    SetCellAlignment(kColumnSize, row, kAlignRight);
    SetCellText(kColumnModified, row, line.modified);
    SetCellText(kColumnAttributes, row, line.attributes);
    if (greyAttributes) {
        SetCellTextColour(kColumnAttributes, row, wxColour(192, 192, 192));
    }
    SetCellText(kColumnFullPath, row, line.fullPath);
}

void CResultGrid::SetStatusBoth(int row, int bitmapIndex, RowStatus status) {
    SetCellBitmap(kColumnStatus, row, bitmapIndex);
    OtherGrid().SetCellBitmap(kColumnStatus, row, bitmapIndex);
    m_pLines->SetLineStatus(row, status);
    OtherGrid().m_pLines->SetLineStatus(row, status);
}

void CResultGrid::TakeLineFrom(CResultGrid& source, int row, const std::string& path,
                               const std::string& name) {
    FileLine line = source.ReadLine(row);
    line.name = name;
    line.fullPath = path;
    ShowLine(row, line, m_pWindow != nullptr && m_pWindow->DisregardsAttributes());
    SetCellBitmap(kColumnStatus, row, m_nBmpIdentical);
    source.SetCellBitmap(kColumnStatus, row, source.m_nBmpIdentical);
    m_pLines->SetLineStatus(row, RowStatus::Identical);
    source.m_pLines->SetLineStatus(row, RowStatus::Identical);
    RedrawRow(row);
    source.RedrawRow(row);
}

// -------------------------------------------------------------- popup menu

bool CResultGrid::AllowContextMenu(int, int row, int section) {
    ClearPopupMenu();
    if (section != kSectionCellArea || row < 0 || row >= GetRowCount() || m_pWindow == nullptr) {
        return false;
    }
    if (HasFile(row)) {
        AddPopupMenuItem(ID_COPY_THERE, m_bLeftGrid ? "Copy this file to the Right folder ==>"
                                                    : "<== Copy this file to the Left folder");
        if (!OtherGrid().HasFile(row)) {
            AddPopupMenuItem(ID_DELETE_THIS, "Delete this file");
        } else {
            AddPopupMenuItem(ID_DELETE_BOTH, "Delete this file from BOTH folders");
        }
    } else {
        AddPopupMenuItem(ID_COPY_HERE,
                         m_bLeftGrid ? "Copy this file from the Right folder to this folder <== "
                                     : "==> Copy this file from the Left folder to this folder");
        AddPopupMenuItem(ID_DELETE_OTHER, m_bLeftGrid ? "Delete this file from the Right folder"
                                                      : "Delete this file from the Left folder");
    }
    return true;
}

// Each action runs with the window busy, so that a close request raised
// while it lets events through waits for it; nothing may touch the grid
// once the action has run, as the window may be closing.
void CResultGrid::NotifyMenuCommand(int, int row, int, int id) {
    m_pWindow->RunFileAction([this, row, id] { RunMenuCommand(row, id); });
}

void CResultGrid::RunMenuCommand(int row, int id) {
    const bool changesDisk = id >= ID_COPY_HERE && id <= ID_DELETE_OTHER;
    if (changesDisk && InUnlistedFolder(row)) {
        return;
    }
    switch (id) {
        case ID_COPY_HERE:
            CopyHere(row);
            break;
        case ID_COPY_THERE:
            CopyThere(row);
            break;
        case ID_DELETE_THIS:
            DeleteRowFiles(row, true, false);
            break;
        case ID_DELETE_BOTH:
            DeleteRowFiles(row, true, true);
            break;
        case ID_DELETE_OTHER:
            DeleteRowFiles(row, false, true);
            break;
        default:
            PumpMessages(1);
            RedrawAll();
            OtherGrid().RedrawAll();
            break;
    }
}

// A row below a folder the compare could not list whole is left as it is,
// after saying why: what else is there was never seen.
bool CResultGrid::InUnlistedFolder(int row) {
    const std::string name =
        HasFile(row) ? CellBytes(kColumnName, row) : OtherGrid().CellBytes(kColumnName, row);
    if (!m_pWindow->InUnlistedFolder(name)) {
        return false;
    }
    ShowMessageBox("ERROR:  The folder of\n\n" + ToDisplayText(PathForMessage(name)) +
                       "\n\ncould not be listed in the last compare, so this file is left as "
                       "it is.",
                   wxOK | wxICON_ERROR, this);
    return true;
}

// A side's folder, without its trailing "/".
std::string CResultGrid::FolderText(bool leftSide) const {
    std::string folder = m_pWindow->FolderOf(leftSide);
    RemoveTrailingBackslash(folder, true);
    return folder;
}

bool CResultGrid::CopyReporting(const std::string& source, const std::string& target) {
    std::string reason;
    switch (CopyCreatingFolders(source, target, &reason)) {
        case CopyOutcome::Copied:
            return true;
        case CopyOutcome::FolderNotCreated:
            ShowMessageBox(
                "ERROR:  Unable to create folder " + ToDisplayText(GetFolderOfPath(target)),
                wxOK | wxICON_ERROR, this);
            return false;
        case CopyOutcome::NotCopied:
            break;
    }
    ShowMessageBox("ERROR:  Unable to copy\n\n" + ToDisplayText(source) + "\n\nto\n\n" +
                       ToDisplayText(target) + "\n\n" + ToDisplayText(reason),
                   wxOK | wxICON_ERROR, this);
    return false;
}

// Fetches the other side's file into this folder, under its name there.
void CResultGrid::CopyHere(int row) {
    CResultGrid& other = OtherGrid();
    const std::string name = other.CellBytes(kColumnName, row);
    const std::string target = FolderText(m_bLeftGrid) + "/" + name;
    if (CopyReporting(other.CellBytes(kColumnFullPath, row), target)) {
        TakeLineFrom(other, row, target, name);
        FinishAction();
    }
}

// Copies this file to the other folder: over its counterpart when there is
// one (which may differ from it in letter case), else under this name.
void CResultGrid::CopyThere(int row) {
    CResultGrid& other = OtherGrid();
    const bool otherHasFile = other.HasFile(row);
    const std::string name =
        otherHasFile ? other.CellBytes(kColumnName, row) : CellBytes(kColumnName, row);
    const std::string target = otherHasFile ? other.CellBytes(kColumnFullPath, row)
                                            : FolderText(!m_bLeftGrid) + "/" + name;
    if (CopyReporting(CellBytes(kColumnFullPath, row), target)) {
        other.TakeLineFrom(*this, row, target, name);
        FinishAction();
    }
}

// Deletes this side's file, the other side's or both, then the line. When
// this side's file goes but the other's cannot, the line stays with this
// side shown as missing.
void CResultGrid::DeleteRowFiles(int row, bool deleteThis, bool deleteOther) {
    CResultGrid& other = OtherGrid();
    const std::string thisPath = CellBytes(kColumnFullPath, row);
    const std::string otherPath = other.CellBytes(kColumnFullPath, row);
    std::vector<std::string> paths;
    if (deleteThis) {
        paths.push_back(thisPath);
    }
    if (deleteOther) {
        paths.push_back(otherPath);
    }
    FileDeletion deletion(m_pWindow->DeletesToTrash(), *this);
    if (!deletion.Confirm(paths)) {
        return;
    }
    if (deleteThis && !deletion.Delete(thisPath)) {
        return;
    }
    if (deleteOther && !deletion.Delete(otherPath)) {
        if (deleteThis) {
            ShowLine(row, FileLine{}, false);
            SetStatusBoth(row, m_nBmpMissing, RowStatus::Missing);
            FinishAction();
        }
        return;
    }
    DeleteRow(row);
    other.DeleteRow(row);
    m_fittedWidths.reset();
    other.m_fittedWidths.reset();
    FinishAction();
}

void CResultGrid::NotifyCellDoubleClick(int, int row, const wxRect&, const wxPoint&, bool) {
    ShowPairDifferences(row);
}

void CResultGrid::NotifyKeyDown(int& key, bool) {
    if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
        ShowPairDifferences(GetCurrentRow());
        key = 0;
    }
}

// The program is started and left to run: the window goes on at once.
void CResultGrid::ShowPairDifferences(int row) {
    if (m_pWindow == nullptr || row < 0 || row >= GetRowCount() || !HasFile(row) ||
        !OtherGrid().HasFile(row)) {
        return;
    }
    CResultGrid& left = m_bLeftGrid ? *this : OtherGrid();
    CResultGrid& right = m_bLeftGrid ? OtherGrid() : *this;
    const DiffToolCommand command =
        MakeDiffToolCommand(m_pWindow->DiffToolSetting(), left.CellBytes(kColumnFullPath, row),
                            right.CellBytes(kColumnFullPath, row));
    if (command.arguments.empty()) {
        ShowMessageBox(ToDisplayText(command.error), wxOK | wxICON_INFORMATION, this);
    } else if (!StartProgram(command.arguments)) {
        ShowMessageBox("ERROR:  Unable to start the file comparison program\n\n" +
                           ToDisplayText(command.arguments.front()),
                       wxOK | wxICON_ERROR, this);
    }
}

void CResultGrid::FinishAction() {
    m_pWindow->NoteGridsChanged();
    PumpMessages(1);
    RedrawAll();
    OtherGrid().RedrawAll();
}

int CResultGrid::GetHintText(int column, int row, int, std::string& text) {
    text = GetCellText(column, row).value_or(std::string());
    return 1;
}

namespace {

// Cells without text sort after those with text.
int CompareTexts(const CGridCell& a, const CGridCell& b) {
    if (!a.HasMask(CGridCell::kText)) {
        return 1;
    }
    if (!b.HasMask(CGridCell::kText)) {
        return -1;
    }
    const int order = std::strcmp(a.GetText().c_str(), b.GetText().c_str());
    return (order > 0) - (order < 0);
}

int CompareNumbers(const CGridCell& a, const CGridCell& b) {
    const double x = a.GetNumber();
    const double y = b.GetNumber();
    return (x > y) - (x < y);
}

}  // namespace

int CResultGrid::CompareCells(const CGridCell* a, const CGridCell* b, int flags) {
    static const CGridCell noCell;  // stands in for a place that holds no cell
    a = a != nullptr ? a : &noCell;
    b = b != nullptr ? b : &noCell;
    if (flags & 2) {
        std::swap(a, b);
    }
    switch (a->GetDataType()) {
        case 1:
            if (!a->HasMask(CGridCell::kText) && !b->HasMask(CGridCell::kText)) {
                return 0;
            }
            return CompareTexts(*a, *b);
        case 2:
        case 3:
        case 5:
            return CompareNumbers(*a, *b);
        default:
            return CompareTexts(*a, *b);
    }
}

wxColour CResultGrid::GetAreaBackColour(int) {
    return ThemePalette::Current().gridArea;
}

void CResultGrid::DrawFocusRectangle(wxDC& dc, const wxRect& rect) {
    wxRect inner = rect;
    inner.width -= 1;
    inner.height -= 1;
    wxRendererNative::Get().DrawFocusRect(this, dc, inner);
}

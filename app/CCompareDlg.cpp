#include "CCompareDlg.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/display.h>
#include <wx/gauge.h>
#include <wx/menu.h>
#include <wx/panel.h>
#include <wx/scrolbar.h>
#include <wx/settings.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/utils.h>

#include <algorithm>

#include "CCopyAllButton.h"
#include "CFiltersDlg.h"
#include "COXEdit.h"
#include "COXStatic.h"
#include "COXVersionInfo.h"
#include "CProfile.h"
#include "CResultGrid.h"
#include "ChooseFolder.h"
#include "DialogFont.h"
#include "DisplayText.h"
#include "LogFont.h"
#include "MainWindowColours.h"
#include "MakeLogFont.h"
#include "MessageBox.h"
#include "PathText.h"
#include "ProgramFile.h"
#include "ResourceImages.h"
#include "ThemePalette.h"
#include "TraceLog.h"
#include "TroughClickPaging.h"
#include "WindowPlacement.h"

namespace {

constexpr char kSection[] = "Defaults";
constexpr char kLeftFolderKey[] = "Initial Folder 1";
constexpr char kRightFolderKey[] = "Initial Folder 2";
constexpr char kRecurseKey[] = "Recurse Directory";
constexpr char kDisregardKey[] = "Disregard Attributes";
constexpr char kWindowPosKey[] = "Window Pos";
constexpr char kDiffToolKey[] = "Diff Tool";
constexpr char kShowIdenticalKey[] = "Show Identical Files";
constexpr char kDeleteToTrashKey[] = "Delete To Trash";
constexpr char kDefaultFolder[] = "/";

// Folder texts are byte strings; an edit shows their display form. Reading
// an edit back keeps the bytes when the user left the text as shown, so a
// folder whose name is not valid UTF-8 survives the round trip.
void ShowBytes(wxTextCtrl& edit, const std::string& bytes) {
    const wxString text = ToDisplayText(bytes);
    if (edit.GetValue() != text) {
        edit.ChangeValue(text);
    }
}

std::string ReadBytes(const wxTextCtrl& edit, const std::string& previous) {
    const wxString text = edit.GetValue();
    if (text == ToDisplayText(previous)) {
        return previous;
    }
    return std::string(text.utf8_str());
}

std::string FolderSetting(const CProfile& profile, const char* key) {
    std::string folder = profile.GetProfileString(kSection, key, kDefaultFolder);
    if (folder.empty()) {
        folder = kDefaultFolder;
    }
    AppendBackslash(folder);
    return folder;
}

}  // namespace

CCompareDlg::CCompareDlg(CProfile& profile)
    : wxFrame(nullptr, wxID_ANY, "Vantrel by Tarnwick", wxDefaultPosition, wxDefaultSize,
              wxCAPTION | wxSYSTEM_MENU | wxRESIZE_BORDER | wxCLOSE_BOX | wxTAB_TRAVERSAL),
      CCompareEngine(static_cast<CompareHost&>(*this)),
      m_profile(profile),
      m_pLeftGrid(new CResultGrid()),
      m_pRightGrid(new CResultGrid()) {
    SetIcons(LoadResourceIcon(128));
    CreateMenuBar();
    CreateControls();
    FitStartSizeToDisplay();
    m_normalRect = GetRect();

    LoadWindowPlacement();
    m_strLeftFolder = FolderSetting(m_profile, kLeftFolderKey);
    m_strRightFolder = FolderSetting(m_profile, kRightFolderKey);
    m_bRecurse = m_profile.GetProfileInt(kSection, kRecurseKey, 0) != 0;
    m_bDisregardAttributes = m_profile.GetProfileInt(kSection, kDisregardKey, 0) != 0;
    m_bShowIdentical = m_profile.GetProfileInt(kSection, kShowIdenticalKey, 1) != 0;
    GetMenuBar()->Check(kShowIdenticalCommand, m_bShowIdentical);
    m_filterPatterns = FilterPatterns::Read(m_profile);
    ApplyFilterPatterns();

    InitialiseGrids();
    AcceptDroppedFolders();
    ApplyStyles();
    m_pProgress->Hide();
    m_pProgress->SetRange(100);
    m_pProgress->SetValue(0);
    m_pLeftFolder->SetToolTipText(ToDisplayText(m_strLeftFolder));
    m_pRightFolder->SetToolTipText(ToDisplayText(m_strRightFolder));
    UpdateData(false);

    COXVersionInfo version;
    version.ReadInfo(ProgramFilePath());
    SetTitle("Vantrel by Tarnwick LLC - Version " + wxString::FromUTF8(version.m_sFileVersion));
    m_pAbort->Hide();
    m_pStatus->Hide();

    Bind(wxEVT_CHAR_HOOK, &CCompareDlg::OnCharHook, this);
    // Menus of the menu bar and the grids' popup menus report here.
    Bind(wxEVT_MENU_OPEN, [this](wxMenuEvent& event) {
        event.Skip();
        ++m_nOpenMenus;
    });
    Bind(wxEVT_MENU_CLOSE, [this](wxMenuEvent& event) {
        event.Skip();
        m_nOpenMenus = std::max(m_nOpenMenus - 1, 0);
    });
    Bind(wxEVT_CLOSE_WINDOW, &CCompareDlg::OnClose, this);
    Bind(wxEVT_SIZE, [this](wxSizeEvent& event) { RememberNormalRect(event); });
    Bind(wxEVT_MOVE, [this](wxMoveEvent& event) { RememberNormalRect(event); });
    m_pPanel->Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
        event.Skip();
        if (m_bLayoutReady) {
            LayoutControls();
        }
    });
    m_bLayoutReady = true;
    LayoutControls();
}

// The grids read the engine's rows to the last: they go first, while those
// rows still exist (the engine, a base, would otherwise go before the
// window's children, and a grid losing the focus then reads freed rows).
CCompareDlg::~CCompareDlg() {
    DestroyChildren();
}

// ----------------------------------------------------------------- controls

wxRect CCompareDlg::DialogRect(int x, int y, int width, int height) const {
    return DialogUnitsRect(*m_pPanel, x, y, width, height);
}

void CCompareDlg::CreateMenuBar() {
    auto* file = new wxMenu();
    file->Append(wxID_EXIT, "E&xit\tCtrl+Q");
    auto* view = new wxMenu();
    view->Append(kFiltersCommand, "&Filters...",
                 "Choose the files and folders a compare includes and excludes");
    view->AppendCheckItem(kShowIdenticalCommand, "Show &Identical Files",
                          "Show the files that are the same in both folders");
    auto* help = new wxMenu();
    // F1 also reaches the item through the window's key hook (OnCharHook).
    help->Append(wxID_HELP_INDEX, "&Help Topics\tF1", "Display Vantrel help file");
    help->AppendSeparator();
    help->Append(wxID_ABOUT, "&About Vantrel", "Display version and copyright information");
    help->AppendSeparator();
    help->Append(kCheckForUpdatesCommand, "&Check For Updates",
                 "Check to see if there are any updates available to Vantrel");
    auto* bar = new wxMenuBar();
    bar->Append(file, "&File");
    bar->Append(view, "&View");
    bar->Append(help, "&Help");
    SetMenuBar(bar);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { Close(); }, wxID_EXIT);
    Bind(
        wxEVT_MENU, [this](wxCommandEvent&) { ChooseFilters(); }, kFiltersCommand);
    Bind(
        wxEVT_MENU,
        [this](wxCommandEvent& event) {
            m_bShowIdentical = event.IsChecked();
            // A run in progress applies it when its lines are all known.
            if (!m_bRunning) {
                ShowIdenticalLines();
            }
        },
        kShowIdenticalCommand);
}

// The window's controls at their places in dialog units of the dialog font.
void CCompareDlg::CreateControls() {
    m_pPanel = new wxPanel(this, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL);
    m_pPanel->SetFont(DialogFont());
    // Set explicitly, so that controls painting the window's background
    // themselves (the labels) match what the panel paints.
    m_pPanel->SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNFACE));
    SetClientSize(DialogRect(0, 0, 418, 335).GetSize());
    wxWindow* const p = m_pPanel;
    const auto at = [this](int x, int y, int width, int height) {
        return DialogRect(x, y, width, height);
    };
    const auto place = [](wxWindow* control, const wxRect& rect) {
        control->SetSize(rect);
        return control;
    };

    m_pResultsBox = new wxStaticBox(p, IDC_RESULTS_BOX, "Results");
    place(m_pResultsBox, at(7, 7, 193, 97));
    m_pVerdict = new COXStatic(p, IDC_VERDICT, "Folders are DIFFERENT", wxDefaultPosition,
                               wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL | wxBORDER_SUNKEN);
    place(m_pVerdict, at(16, 17, 177, 19));
    struct LegendEntry {
        int bitmap;
        int x, y, textX, textY;
        const char* text;
    };
    const LegendEntry legend[] = {
        {129, 18, 39, 32, 40, "Identical File"},   {130, 18, 48, 32, 49, "Different Content"},
        {131, 18, 58, 32, 59, "Missing File"},     {134, 105, 39, 118, 40, "Size Different"},
        {133, 105, 49, 118, 50, "Time Different"}, {132, 105, 58, 118, 59, "Attrib Different"},
    };
    for (const LegendEntry& entry : legend) {
        new wxStaticBitmap(p, wxID_ANY, LoadResourceBitmapBundle(entry.bitmap),
                           at(entry.x, entry.y, 0, 0).GetPosition());
        new wxStaticText(p, wxID_ANY, entry.text, at(entry.textX, entry.textY, 0, 0).GetPosition());
    }
    m_pCounts = new wxStaticText(p, IDC_COUNTS, "Files Equal:\nFiles Differient:\nFiles Missing:");
    place(m_pCounts, at(18, 75, 76, 27));

    place(new wxStaticBox(p, wxID_ANY, "Settings"), at(205, 7, 104, 42));
    m_pRecurse = new wxCheckBox(p, IDC_RECURSE, "Include Subfolders");
    place(m_pRecurse, at(217, 20, 75, 10));
    m_pDisregard = new wxCheckBox(p, IDC_DISREGARD, "Disregard Attributes");
    place(m_pDisregard, at(217, 32, 81, 10));
    m_pStatusBox = new wxStaticBox(p, IDC_STATUS_BOX, "Status");
    place(m_pStatusBox, at(205, 53, 104, 51))->Hide();
    m_pStatus = new COXStatic(p, IDC_STATUS, "", wxDefaultPosition, wxDefaultSize,
                              wxALIGN_LEFT | wxBORDER_SUNKEN);
    place(m_pStatus, at(210, 65, 89, 22))->Hide();
    m_pProgress = new wxGauge(p, IDC_PROGRESS, 100, wxDefaultPosition, wxDefaultSize,
                              static_cast<long>(wxGA_HORIZONTAL) | wxBORDER_SIMPLE);
    place(m_pProgress, at(210, 90, 89, 9));

    m_pCompare = new wxButton(p, IDC_COMPARE, "Compare");
    place(m_pCompare, at(332, 7, 79, 34));
    m_pCompare->SetDefault();
    m_pAbort = new wxButton(p, IDC_ABORT, "Abort");
    place(m_pAbort, at(332, 43, 79, 14));
    m_pCompareAgain =
        new COXStatic(p, IDC_COMPARE_AGAIN, "Compare Again Due To Changes", wxDefaultPosition,
                      wxDefaultSize, wxALIGN_CENTRE_HORIZONTAL | wxBORDER_SUNKEN);
    place(m_pCompareAgain, at(315, 63, 96, 41))->Hide();
    m_pSeparator = new wxStaticLine(p, IDC_SEPARATOR);
    place(m_pSeparator, at(7, 112, 404, 1));
    m_pLeftLabel = new COXStatic(p, IDC_LEFT_LABEL, "Left Folder");
    place(m_pLeftLabel, at(7, 117, 111, 13));
    m_pRightLabel = new COXStatic(p, IDC_RIGHT_LABEL, "Right Folder");
    place(m_pRightLabel, at(219, 117, 111, 13));
    const wxRect toRight = at(7, 131, 112, 25);
    m_pCopyToRight =
        new CCopyAllButton(p, IDC_COPY_TO_RIGHT, "Copy All Files To\nRight Folder",
                           LoadResourceBitmapBundle(142), toRight.GetPosition(), toRight.GetSize());
    m_pCopyToRight->Hide();
    const wxRect toLeft = at(215, 131, 112, 25);
    m_pCopyToLeft =
        new CCopyAllButton(p, IDC_COPY_TO_LEFT, "Copy All Files To\nLeft Folder",
                           LoadResourceBitmapBundle(143), toLeft.GetPosition(), toLeft.GetSize());
    m_pCopyToLeft->Hide();

    m_pLeftFolder = new COXEdit(p, IDC_LEFT_FOLDER);
    place(m_pLeftFolder, at(7, 161, 159, 14));
    m_pLeftBrowse = new wxButton(p, IDC_LEFT_BROWSE, "Browse");
    place(m_pLeftBrowse, at(166, 161, 36, 14));
    m_pRightFolder = new COXEdit(p, IDC_RIGHT_FOLDER);
    place(m_pRightFolder, at(215, 161, 159, 14));
    m_pRightBrowse = new wxButton(p, IDC_RIGHT_BROWSE, "Browse");
    place(m_pRightBrowse, at(375, 161, 36, 14));
    place(new wxWindow(p, IDC_LEFT_GRID, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN),
          at(7, 178, 195, 150));
    PageScrollBarsOnTroughClick();
    m_pScrollBar =
        new wxScrollBar(p, IDC_SCROLLBAR, wxDefaultPosition, wxDefaultSize, wxSB_VERTICAL);
    place(m_pScrollBar, at(204, 178, 10, 150));
    m_pScrollBar->Disable();  // until a run has rows to scroll
    place(new wxWindow(p, IDC_RIGHT_GRID, wxDefaultPosition, wxDefaultSize, wxBORDER_SUNKEN),
          at(216, 178, 195, 150));

    m_pCompare->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnCompare(); });
    m_pCopyToRight->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CopyAllToRight(); });
    m_pCopyToLeft->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { CopyAllToLeft(); });
    m_pAbort->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_bAbort = true; });
    m_pLeftBrowse->Bind(wxEVT_BUTTON,
                        [this](wxCommandEvent&) { Browse(m_strLeftFolder, *m_pLeftFolder); });
    m_pRightBrowse->Bind(wxEVT_BUTTON,
                         [this](wxCommandEvent&) { Browse(m_strRightFolder, *m_pRightFolder); });
    m_pDisregard->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) {
        UpdateData(true);
        if (m_pLeftGrid->GetRowCount() > 0) {
            m_pCompareAgain->Show();
        }
    });
    for (COXEdit* edit : {m_pLeftFolder, m_pRightFolder}) {
        edit->Bind(wxEVT_TEXT, [this](wxCommandEvent&) { ShowCopyAllButtons(false); });
    }
    m_pLeftFolder->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        LeaveFolderEdit(m_strLeftFolder);
    });
    m_pRightFolder->Bind(wxEVT_KILL_FOCUS, [this](wxFocusEvent& event) {
        event.Skip();
        LeaveFolderEdit(m_strRightFolder);
    });
    for (const wxEventTypeTag<wxScrollEvent>& type :
         {wxEVT_SCROLL_LINEUP, wxEVT_SCROLL_LINEDOWN, wxEVT_SCROLL_PAGEUP, wxEVT_SCROLL_PAGEDOWN,
          wxEVT_SCROLL_THUMBTRACK, wxEVT_SCROLL_THUMBRELEASE}) {
        m_pScrollBar->Bind(type, &CCompareDlg::OnSharedScroll, this);
    }
}

void CCompareDlg::ApplyStyles() {
    LOGFONTA bold;
    MakeLogFont(bold, 12, "Arial", 0, true, false, false, false, this);
    for (COXStatic* label : {m_pLeftLabel, m_pRightLabel, m_pVerdict, m_pCompareAgain}) {
        label->SetTextLogFont(bold);
    }
    for (COXStatic* label : {m_pLeftLabel, m_pRightLabel}) {
        label->SetTextColor(ThemePalette::Current().labelText);
        label->SetBkColor(wxColour());  // the window's own background shows
    }
    m_pCompareAgain->SetTextColor(*wxWHITE);
    m_pCompareAgain->SetBkColor(kRed);
    for (COXEdit* edit : {m_pLeftFolder, m_pRightFolder}) {
        edit->SetTextColor(*wxBLACK);
        edit->SetBkColor(kLightGreen);
    }
    m_pStatus->SetTextColor(*wxBLACK);
    m_pStatus->SetBkColor(kLightGreen);
    SetVerdictColours(kLightBlue, *wxBLACK);
}

void CCompareDlg::InitialiseGrids() {
    m_pLeftGrid->AttachToDialogItem(m_pPanel, IDC_LEFT_GRID);
    m_pRightGrid->AttachToDialogItem(m_pPanel, IDC_RIGHT_GRID);
    for (CResultGrid* grid : {m_pLeftGrid, m_pRightGrid}) {
        ResetGrid(*grid);
        grid->FitColumnsToEveryRow(CResultGrid::kColumnName, CResultGrid::kColumnAttributes);
        grid->FitColumnsToWidth(0, 4);
    }
}

// No cell of an earlier run survives: the store is emptied, then the six
// headed columns are set up again.
void CCompareDlg::ResetGrid(CResultGrid& grid) {
    grid.m_fittedWidths.reset();
    grid.SetRowCount(0, false);
    grid.SetColumnCount(0, false);
    grid.ClearLines();
    grid.SetColumnCount(CResultGrid::kColumnCount, false);
    const char* const headings[] = {"", "NAME", "SIZE", "MODIFIED", "ATTR", "FULL PATH NAME"};
    for (int column = 0; column < CResultGrid::kColumnCount; ++column) {
        grid.SetCellText(column, -1, headings[column]);
    }
    if (m_bDisregardAttributes) {
        grid.SetCellTextColour(CResultGrid::kColumnAttributes, -1, kGrey);
    }
    grid.RedrawAll();
}

void CCompareDlg::SetVerdictColours(const wxColour& back, const wxColour& text) {
    m_pVerdict->SetBkColor(back);
    m_pVerdict->SetTextColor(text);
}

void CCompareDlg::ShowCopyAllButtons(bool show) {
    m_pCopyToRight->Show(show);
    m_pCopyToLeft->Show(show);
}

// While a compare or a copy goes on, nothing that would change its folders,
// its options or the grids can be used, and no other work can start.
// The control that had the keyboard focus gets it back afterwards.
void CCompareDlg::SetRunning(bool running) {
    m_bRunning = running;
    if (running) {
        m_focusBeforeRun = wxWindow::FindFocus();
    }
    for (wxWindow* control : std::initializer_list<wxWindow*>{
             m_pLeftFolder, m_pRightFolder, m_pLeftBrowse, m_pRightBrowse, m_pRecurse, m_pDisregard,
             m_pCompare, m_pCopyToRight, m_pCopyToLeft}) {
        control->Enable(!running);
    }
    m_pLeftGrid->EnablePopupMenu(!running);
    m_pRightGrid->EnablePopupMenu(!running);
    if (!running) {
        if (m_focusBeforeRun && CanHaveFocus(*m_focusBeforeRun)) {
            m_focusBeforeRun->SetFocus();
        }
        KeepKeyboardFocus(*m_pCompare);
    }
}

bool CCompareDlg::CanHaveFocus(const wxWindow& control) {
    return control.IsShownOnScreen() && control.IsEnabled();
}

// Keys reach the window only through the control that has the focus: when
// that control was hidden or disabled, the keyboard would be dead (no
// Escape, no Tab) until the user clicked somewhere.
void CCompareDlg::KeepKeyboardFocus(wxWindow& fallback) {
    const wxWindow* focus = wxWindow::FindFocus();
    if ((focus == nullptr || !CanHaveFocus(*focus)) && CanHaveFocus(fallback)) {
        fallback.SetFocus();
    }
}

// ------------------------------------------------------------ data exchange

void CCompareDlg::UpdateData(bool saveAndValidate) {
    if (!saveAndValidate && m_bEngineWorking && !m_displayLimit.Due()) {
        return;
    }
    if (saveAndValidate) {
        m_strLeftFolder = ReadBytes(*m_pLeftFolder, m_strLeftFolder);
        m_strRightFolder = ReadBytes(*m_pRightFolder, m_strRightFolder);
        m_bRecurse = m_pRecurse->GetValue();
        m_bDisregardAttributes = m_pDisregard->GetValue();
        return;
    }
    ShowBytes(*m_pLeftFolder, m_strLeftFolder);
    ShowBytes(*m_pRightFolder, m_strRightFolder);
    m_pCounts->SetLabel(wxString::FromUTF8(m_strCounts));
    m_pVerdict->SetLabel(wxString::FromUTF8(m_strVerdict));
    m_pRecurse->SetValue(m_bRecurse);
    m_pStatus->SetLabel(ToDisplayText(m_strStatus));
    m_pDisregard->SetValue(m_bDisregardAttributes);
}

void CCompareDlg::Browse(std::string& folder, COXEdit& edit) {
    UpdateData(true);
    std::string chosen;
    if (!ChooseFolder(chosen)) {
        return;
    }
    folder = chosen;
    AppendBackslash(folder);
    edit.SetToolTipText(ToDisplayText(folder));
    ShowCopyAllButtons(false);
    UpdateData(false);
}

// Folders dragged from a file manager onto a side's edit or grid; the
// results grids take no dropped text, so their cells take folders instead.
void CCompareDlg::AcceptDroppedFolders() {
    for (const bool left : {true, false}) {
        COXEdit* edit = left ? m_pLeftFolder : m_pRightFolder;
        CResultGrid* grid = left ? m_pLeftGrid : m_pRightGrid;
        edit->SetDropTarget(new FolderDropTarget(*this, left));
        grid->GetPartWindow(CSheetGrid::kCellAreaId)
            ->SetDropTarget(new FolderDropTarget(*this, left));
    }
}

bool CCompareDlg::DropFolders(bool leftSide, const std::vector<std::string>& folders) {
    if (m_bRunning) {
        return false;
    }
    UpdateData(true);
    if (folders.size() == 2) {
        m_strLeftFolder = folders[0];
        m_strRightFolder = folders[1];
    } else {
        (leftSide ? m_strLeftFolder : m_strRightFolder) = folders.front();
    }
    m_pLeftFolder->SetToolTipText(ToDisplayText(m_strLeftFolder));
    m_pRightFolder->SetToolTipText(ToDisplayText(m_strRightFolder));
    ShowCopyAllButtons(false);
    UpdateData(false);
    return true;
}

void CCompareDlg::LeaveFolderEdit(std::string& folder) {
    if (m_bRunning) {
        return;
    }
    UpdateData(true);
    AppendBackslash(folder);
    UpdateData(false);
}

// ------------------------------------------------------------------- layout

void CCompareDlg::LayoutControls() {
    const int margin = m_pResultsBox->GetPosition().x;
    const int top = m_pResultsBox->GetPosition().y;
    const wxSize client = m_pPanel->GetClientSize();
    const int rightEdge = client.x - margin;

    wxRect bar = m_pScrollBar->GetRect();
    bar.x = client.x / 2 - bar.width / 2;
    bar.height = client.y - top - bar.y;
    m_pScrollBar->SetSize(bar);
    const int barRight = bar.x + bar.width;
    const int bottom = bar.y + bar.height;

    wxRect left = m_pLeftGrid->GetRect();
    m_pLeftGrid->SetSize(left.x, left.y, bar.x - left.x, bottom - left.y);
    wxRect right = m_pRightGrid->GetRect();
    m_pRightGrid->SetSize(barRight, right.y, rightEdge - barRight, bottom - right.y);

    const wxRect leftBrowse = m_pLeftBrowse->GetRect();
    m_pLeftBrowse->Move(bar.x - leftBrowse.width, leftBrowse.y);
    const wxRect leftEdit = m_pLeftFolder->GetRect();
    m_pLeftFolder->SetSize(leftEdit.x, leftEdit.y, bar.x - leftBrowse.width - 5 - leftEdit.x,
                           leftEdit.height);
    const wxRect rightBrowse = m_pRightBrowse->GetRect();
    m_pRightBrowse->Move(rightEdge - rightBrowse.width, rightBrowse.y);
    const wxRect rightEdit = m_pRightFolder->GetRect();
    m_pRightFolder->SetSize(barRight, rightEdit.y, rightEdge - rightBrowse.width - 5 - barRight,
                            rightEdit.height);

    m_pRightLabel->Move(barRight, m_pRightLabel->GetPosition().y);
    m_pCopyToLeft->Move(barRight, m_pCopyToLeft->GetPosition().y);
    const wxRect separator = m_pSeparator->GetRect();
    m_pSeparator->SetSize(separator.x, separator.y, rightEdge - separator.x, separator.height);
    // The notice below them too, so that a window narrower than designed
    // (a small or scaled display) does not cut it off.
    for (wxWindow* control :
         std::initializer_list<wxWindow*>{m_pCompare, m_pAbort, m_pCompareAgain}) {
        const wxRect rect = control->GetRect();
        control->Move(rightEdge - rect.width, rect.y);
    }
    SizeResultColumns(*m_pLeftGrid);
    SizeResultColumns(*m_pRightGrid);
    ShowRowsOnSharedBar(m_pScrollBar->GetThumbPosition());  // a page holds more or fewer rows
    m_pPanel->Refresh();
}

void CCompareDlg::SizeResultColumns(CResultGrid& grid) {
    // The missing icon's width, from the bitmap the grid already holds:
    // this runs on every resize.
    const int iconColumn = grid.GetBitmap(grid.m_nBmpMissing)->GetWidth() + 5;
    grid.SetColumnWidth(CResultGrid::kColumnStatus, iconColumn);
    grid.FitColumnsToWidth(CResultGrid::kColumnStatus, CResultGrid::kColumnAttributes);
    int total = 0;
    for (int column = CResultGrid::kColumnStatus; column <= CResultGrid::kColumnAttributes;
         ++column) {
        total += grid.GetColumnWidth(column);
    }
    // Measuring every row is what takes time; the widths hold until the
    // content changes.
    constexpr int kFitted[] = {CResultGrid::kColumnSize, CResultGrid::kColumnModified,
                               CResultGrid::kColumnAttributes};
    if (!grid.m_fittedWidths) {
        grid.FitColumnsToEveryRow(kFitted[0], kFitted[2]);
        grid.m_fittedWidths = {grid.GetColumnWidth(kFitted[0]), grid.GetColumnWidth(kFitted[1]),
                               grid.GetColumnWidth(kFitted[2])};
    } else {
        for (int i = 0; i < 3; ++i) {
            grid.SetColumnWidth(kFitted[i], (*grid.m_fittedWidths)[i]);
        }
    }
    grid.SetColumnWidth(CResultGrid::kColumnStatus, iconColumn);
    int fittedTotal = 0;
    for (const int width : *grid.m_fittedWidths) {
        fittedTotal += width;
    }
    grid.SetColumnWidth(CResultGrid::kColumnName, total - iconColumn - fittedTotal);
}

// ------------------------------------------------------- shared scroll bar

// The bar's positions are the rows; with no rows there is nothing to
// scroll, which a bar cannot show as a range, so it is disabled.
void CCompareDlg::ShowRowsOnSharedBar(int position) {
    const int rows = m_pLeftGrid->GetRowCount();
    const int page = std::max(m_pLeftGrid->GetBottomRow() - m_pLeftGrid->GetTopRow(), 1);
    m_pScrollBar->SetScrollbar(std::clamp(position, 0, std::max(rows - 1, 0)), 1, rows, page);
    m_pScrollBar->Enable(rows > 0);
}

void CCompareDlg::ShowTopRowOnSharedBar(int topRow) {
    m_pScrollBar->SetThumbPosition(topRow);
}

// Both grids always move together; the left grid's counts decide.
void CCompareDlg::OnSharedScroll(wxScrollEvent& event) {
    CResultGrid& left = *m_pLeftGrid;
    const int current = left.GetCurrentRow();
    const auto goTo = [this](int row, bool alsoTop) {
        for (CResultGrid* grid : {m_pLeftGrid, m_pRightGrid}) {
            grid->GotoRow(row);
            if (alsoTop) {
                grid->SetTopRow(row);
            }
        }
        m_pScrollBar->SetThumbPosition(row);
    };
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_SCROLL_LINEUP) {
        if (current > 0) {
            goTo(current - 1, false);
        }
    } else if (type == wxEVT_SCROLL_LINEDOWN) {
        if (current < left.GetRowCount()) {
            goTo(current + 1, false);
        }
    } else if (type == wxEVT_SCROLL_PAGEUP) {
        const int page = left.GetBottomRow() - left.GetTopRow();
        goTo(std::max(left.GetTopRow() - page, 0), true);
    } else if (type == wxEVT_SCROLL_PAGEDOWN) {
        // Forward by one page, keeping the last page full.
        const int page = std::max(left.GetBottomRow() - left.GetTopRow(), 1);
        const int lastTop = std::max(left.GetRowCount() - page - 1, 0);
        goTo(std::min(left.GetTopRow() + page, lastTop), true);
    } else {
        goTo(event.GetPosition(), false);
    }
}

// ------------------------------------------------------- keys and closing

void CCompareDlg::OnCharHook(wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    // While a menu is open, Escape is the menu's: it closes the menu only.
    if (key == WXK_ESCAPE && m_nOpenMenus == 0) {
        RequestClose(PendingClose::WithoutSaving);
        return;
    }
    // Help comes first: controls that take every key (the grids) would
    // keep F1 from the menu.
    if (key == WXK_F1) {
        wxCommandEvent help(wxEVT_MENU, wxID_HELP_INDEX);
        help.SetEventObject(this);
        ProcessWindowEvent(help);
        return;
    }
    if ((key == WXK_RETURN || key == WXK_NUMPAD_ENTER) && m_pCompare->IsShown()) {
        wxWindow* focus = wxWindow::FindFocus();
        if (focus == m_pLeftFolder || focus == m_pRightFolder || focus == m_pRecurse ||
            focus == m_pDisregard) {
            OnCompare();
            return;
        }
    }
    event.Skip();
}

void CCompareDlg::OnClose(wxCloseEvent& event) {
    if (m_bRunning && event.CanVeto()) {
        event.Veto();
        RequestClose(PendingClose::SavingSettings);
        return;
    }
    FinishClose(PendingClose::SavingSettings);
}

// A run in progress is aborted first; the window closes when it has ended.
void CCompareDlg::RequestClose(PendingClose how) {
    if (m_bRunning) {
        m_bAbort = true;
        if (m_pendingClose == PendingClose::None) {
            m_pendingClose = how;
        }
        return;
    }
    FinishClose(how);
}

bool CCompareDlg::FinishPendingClose() {
    if (m_pendingClose == PendingClose::None) {
        return false;
    }
    FinishClose(m_pendingClose);
    return true;
}

void CCompareDlg::FinishClose(PendingClose how) {
    m_pendingClose = PendingClose::None;
    if (how == PendingClose::SavingSettings) {
        SaveSettingsAndPlacement();
    }
    // The grids read the rows until they are gone.
    m_pLeftGrid->ClearLines();
    m_pRightGrid->ClearLines();
    FreeResults();
    Destroy();
}

void CCompareDlg::SaveSettingsAndPlacement() {
    SaveWindowPlacement();
    SaveSettings();
}

void CCompareDlg::ChooseFilters() {
    if (m_bRunning) {
        wxBell();
        return;
    }
    CFiltersDlg dialog(this, m_filterPatterns);
    if (dialog.ShowModal() != wxID_OK) {
        return;
    }
    FilterPatterns chosen = dialog.Patterns();
    if (chosen == m_filterPatterns) {
        return;
    }
    m_filterPatterns = std::move(chosen);
    if (!m_filterPatterns.Write(m_profile)) {
        ShowMessageBox(
            "ERROR:  Unable to save the filters in\n\n" + ToDisplayText(m_profile.Path()),
            wxOK | wxICON_ERROR, this);
    }
    ApplyFilterPatterns();
    // The results shown were compared with other filters.
    ShowCopyAllButtons(false);
}

void CCompareDlg::ShowIdenticalLines() {
    for (CResultGrid* grid : {m_pLeftGrid, m_pRightGrid}) {
        grid->HideIdentical(!m_bShowIdentical);
        SizeResultColumns(*grid);
        grid->RedrawAll();
    }
    ShowRowsOnSharedBar(0);
}

void CCompareDlg::ApplyFilterPatterns() {
    std::vector<std::string> errors;
    m_pFilter = m_filterPatterns.MakeFilter(errors);
    for (const std::string& error : errors) {
        TraceLogText("Filter pattern left out: " + error);
    }
}

void CCompareDlg::CompareAtStart(const std::string& leftFolder, const std::string& rightFolder) {
    m_strLeftFolder = leftFolder;
    m_strRightFolder = rightFolder;
    UpdateData(false);
    CallAfter([this] { OnCompare(); });
}

// Read when used, so that a change to the settings file applies at once.
std::string CCompareDlg::DiffToolSetting() const {
    return m_profile.GetProfileString(kSection, kDiffToolKey, "");
}

bool CCompareDlg::DeletesToTrash() const {
    return m_profile.GetProfileInt(kSection, kDeleteToTrashKey, 1) != 0;
}

void CCompareDlg::SaveSettings() {
    UpdateData(true);
    m_profile.WriteProfileString(kSection, kLeftFolderKey, m_strLeftFolder);
    m_profile.WriteProfileString(kSection, kRightFolderKey, m_strRightFolder);
    m_profile.WriteProfileInt(kSection, kRecurseKey, m_bRecurse ? 1 : 0);
    m_profile.WriteProfileInt(kSection, kDisregardKey, m_bDisregardAttributes ? 1 : 0);
    // Written once it differs from the default, so that a file that never
    // had it keeps its lines.
    if (!m_bShowIdentical || !m_profile.GetProfileString(kSection, kShowIdenticalKey, "").empty()) {
        m_profile.WriteProfileInt(kSection, kShowIdenticalKey, m_bShowIdentical ? 1 : 0);
    }
}

// -------------------------------------------------------- window placement

// Sizes and moves of a window neither maximised nor minimised are its
// normal place, which the saved placement restores.
void CCompareDlg::RememberNormalRect(wxEvent& event) {
    event.Skip();
    if (!IsMaximized() && !IsIconized()) {
        m_normalRect = GetRect();
    }
}

// The window starts at its designed size and cannot be made smaller, as
// long as that fits the work area of its display; on a smaller display, or
// at a large scale, it starts at the work area's size and may shrink to it.
void CCompareDlg::FitStartSizeToDisplay() {
    const int display = wxDisplay::GetFromWindow(this);
    const wxRect workArea =
        wxDisplay(display == wxNOT_FOUND ? 0u : static_cast<unsigned>(display)).GetClientArea();
    m_sizeMin = GetSize();
    m_sizeMin.DecTo(workArea.GetSize());
    SetMinSize(m_sizeMin);
    SetSize(m_sizeMin);
}

// The stored place comes back as the desktop would give it: on the display
// nearest to it and within that display's work area.
void CCompareDlg::LoadWindowPlacement() {
    const std::optional<WindowPlacement> placement =
        ParseWindowPlacement(m_profile.GetProfileString(kSection, kWindowPosKey, ""));
    if (!placement) {
        return;
    }
    std::vector<ScreenRect> workAreas;
    for (unsigned i = 0; i < wxDisplay::GetCount(); ++i) {
        const wxRect area = wxDisplay(i).GetClientArea();
        workAreas.push_back({area.x, area.y, area.width, area.height});
    }
    if (workAreas.empty()) {
        return;
    }
    const ScreenRect fitted = FitOnWorkArea(
        *placement, workAreas[NearestWorkArea(*placement, workAreas)], m_sizeMin.x, m_sizeMin.y);
    const wxRect normal(fitted.x, fitted.y, fitted.width, fitted.height);
    SetSize(normal);
    m_normalRect = normal;
    if (placement->showCmd == kShowMaximized) {
        Maximize();
    }
}

// A window closed while minimised leaves the stored placement as it was.
void CCompareDlg::SaveWindowPlacement() {
    if (IsIconized()) {
        return;
    }
    WindowPlacement placement;
    const bool maximised = IsMaximized();
    placement.flags = maximised ? kRestoreToMaximized : 0;
    placement.showCmd = maximised ? kShowMaximized : kShowNormal;
    placement.minX = placement.minY = placement.maxX = placement.maxY = -1;
    const wxRect normal = maximised ? m_normalRect : GetRect();
    placement.left = normal.GetLeft();
    placement.top = normal.GetTop();
    placement.right = normal.GetLeft() + normal.GetWidth();
    placement.bottom = normal.GetTop() + normal.GetHeight();
    m_profile.WriteProfileString(kSection, kWindowPosKey, FormatWindowPlacement(placement));
}

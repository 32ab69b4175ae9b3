#pragma once

#include <wx/frame.h>
#include <wx/weakref.h>

#include <functional>
#include <string>

#include "CCompareEngine.h"
#include "CompareHost.h"
#include "FilterSettings.h"
#include "FolderDropTarget.h"
#include "MessageLines.h"
#include "RateLimit.h"
#include "ResultsWindow.h"

class CCopyAllButton;
class COXEdit;
class COXStatic;
class CProfile;
class CResultGrid;
class wxCheckBox;
class wxButton;
class wxGauge;
class wxPanel;
class wxScrollBar;
class wxScrollEvent;
class wxStaticBox;
class wxStaticLine;
class wxStaticText;

// The main window: two folder fields, the options, the Compare button, the
// verdict and counts, and the two results grids with their shared scroll
// bar. It is the comparison engine with a window around it: the engine's
// progress, event pumping and rows come back through CompareHost.
//
// It behaves like a modal dialog with a menu: Enter presses the default
// button, Escape ends the program without saving the settings (unless a
// menu is open: then Escape closes the menu), and closing it (close box,
// File > Exit) saves them first.
class CCompareDlg : public wxFrame,
                    public ResultsWindow,
                    private CompareHost,
                    public CCompareEngine,
                    private FolderDropHost {
  public:
    // Control identifiers.
    enum : int {
        IDC_SCROLLBAR = 1000,
        IDC_LEFT_FOLDER = 1001,
        IDC_LEFT_BROWSE = 1002,
        IDC_RIGHT_FOLDER = 1003,
        IDC_RIGHT_BROWSE = 1004,
        IDC_LEFT_GRID = 1005,
        IDC_RIGHT_GRID = 1006,
        IDC_RESULTS_BOX = 1007,
        IDC_COUNTS = 1008,
        IDC_VERDICT = 1009,
        IDC_COMPARE = 1010,
        IDC_PROGRESS = 1021,
        IDC_ABORT = 1022,
        IDC_RECURSE = 1023,
        IDC_STATUS = 1024,
        IDC_STATUS_BOX = 1025,
        IDC_DISREGARD = 1027,
        IDC_LEFT_LABEL = 1028,
        IDC_RIGHT_LABEL = 1029,
        IDC_SEPARATOR = 1084,
        IDC_COMPARE_AGAIN = 1085,
        IDC_COPY_TO_RIGHT = 1086,
        IDC_COPY_TO_LEFT = 1088,
    };
    // The menu command the application answers with the update check (the
    // toolkit's menu ids end at 32767).
    static constexpr int kCheckForUpdatesCommand = wxID_HIGHEST + 1;
    // View menu commands.
    static constexpr int kFiltersCommand = wxID_HIGHEST + 2;
    static constexpr int kShowIdenticalCommand = wxID_HIGHEST + 3;

    // Settings are read from and written to `profile`, which must outlive
    // the window.
    explicit CCompareDlg(CProfile& profile);
    ~CCompareDlg() override;

    // ResultsWindow
    CResultGrid& LeftGrid() const override { return *m_pLeftGrid; }
    CResultGrid& RightGrid() const override { return *m_pRightGrid; }
    const std::string& FolderOf(bool leftSide) const override;
    bool DisregardsAttributes() const override { return m_bDisregardAttributes; }
    std::string DiffToolSetting() const override;
    bool DeletesToTrash() const override;
    bool InUnlistedFolder(std::string_view relativeName) const override;
    void ShowTopRowOnSharedBar(int topRow) override;
    void NoteGridsChanged() override;
    void RunFileAction(const std::function<void()>& action) override;

    // true: the controls' values into the members; false: the members shown.
    void UpdateData(bool saveAndValidate) override;
    // Shows these folders (each ending in "/") and, once the window is up,
    // compares them as the Compare button would.
    void CompareAtStart(const std::string& leftFolder, const std::string& rightFolder);
    // The Compare button: one whole compare run, then the idle state.
    void OnCompare();
    // The run itself: 1 when it reached its summary, 0 when aborted.
    int CompareFolders();
    bool IsRunning() const { return m_bRunning; }
    // Moves the controls to the window's size.
    void LayoutControls();
    // Columns 0 to 4 of `grid` exactly fill its width; NAME takes the rest.
    void SizeResultColumns(CResultGrid& grid);
    // The Copy All buttons: every file listed on one side is copied to the
    // other side under the same relative name.
    void CopyAllToRight();
    void CopyAllToLeft();
    // Saves the settings and the window placement, as closing the window does.
    void SaveSettingsAndPlacement();

  private:
    enum class PendingClose { None, SavingSettings, WithoutSaving };

    void CreateControls();
    void CreateMenuBar();
    wxRect DialogRect(int x, int y, int width, int height) const;
    void ApplyStyles();
    void InitialiseGrids();
    void ResetGrid(CResultGrid& grid);
    // Copy All copies every listed file, those of hidden lines too.
    void CopyAll(CResultGrid& source, CResultGrid& destination, const std::string& sourceFolder,
                 const std::string& destinationFolder);
    // Copies the files of `source`'s rows; the error lines of those that failed.
    MessageLines CopyRows(CResultGrid& source, CResultGrid& destination,
                          const std::string& destinationFolder);
    void SetVerdictColours(const wxColour& back, const wxColour& text);
    void SetRunning(bool running);
    static bool CanHaveFocus(const wxWindow& control);
    void KeepKeyboardFocus(wxWindow& fallback);
    // Runs one step of the engine (listing, pairing, classifying) with its
    // reports spaced out; what the step returned.
    bool RunEngineStep(bool (CCompareEngine::*step)());
    void ShowCopyAllButtons(bool show);
    // The shared bar spans the grids' rows with its thumb at `position`; a
    // click in its trough pages by the rows a grid shows.
    void ShowRowsOnSharedBar(int position);
    void Browse(std::string& folder, COXEdit& edit);
    // View > Filters...: the patterns changed are kept and used from the
    // next compare on.
    void ChooseFilters();
    void AcceptDroppedFolders();
    // FolderDropHost: the folders set, as Browse would, without a compare.
    bool DropFolders(bool leftSide, const std::vector<std::string>& folders) override;
    // Shows or hides the identical lines as View > Show Identical Files says.
    void ShowIdenticalLines();
    // The engine's filter from m_filterPatterns; a malformed pattern (from
    // an edited settings file) is left out and logged.
    void ApplyFilterPatterns();
    void LeaveFolderEdit(std::string& folder);

    void FitStartSizeToDisplay();
    void LoadWindowPlacement();
    void SaveWindowPlacement();
    void SaveSettings();
    // Closes at once, or after the run in progress has been aborted.
    void RequestClose(PendingClose how);
    void FinishClose(PendingClose how);
    // Closes the window now if that was asked for while it was busy; true
    // when it did.
    bool FinishPendingClose();

    // CompareHost
    void ShowProgress(bool show) override;
    void SetProgress(int percent) override;
    void PumpMessages() override;
    void ShowRow(size_t index, const ResultRow& row, RowStatus status) override;
    void ReportUnlistedFolder(const UnlistedFolders::Folder& folder) override;
    // Names the folders the last run could not list, in one message box.
    void ShowUnlistedFolders();

    void OnSharedScroll(wxScrollEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);
    void RememberNormalRect(wxEvent& event);

    CProfile& m_profile;
    FilterPatterns m_filterPatterns;
    bool m_bShowIdentical = true;
    CResultGrid* m_pLeftGrid = nullptr;
    CResultGrid* m_pRightGrid = nullptr;
    bool m_bLayoutReady = false;
    bool m_bRunning = false;
    wxWeakRef<wxWindow> m_focusBeforeRun;
    PendingClose m_pendingClose = PendingClose::None;
    int m_nOpenMenus = 0;  // menus and popup menus open now
    // While the engine works or files are copied, progress comes far more
    // often than the screen can show or the user can act: display updates
    // and event pumps are spaced out (a pump every 10 ms keeps Abort and
    // the close box prompt).
    bool m_bEngineWorking = false;
    RateLimit m_displayLimit{std::chrono::milliseconds(50)};
    RateLimit m_pumpLimit{std::chrono::milliseconds(10)};
    wxSize m_sizeMin;
    wxRect m_normalRect;  // the window's place when neither maximised nor minimised

    wxPanel* m_pPanel = nullptr;
    wxStaticBox* m_pResultsBox = nullptr;
    COXStatic* m_pVerdict = nullptr;
    wxStaticText* m_pCounts = nullptr;
    wxCheckBox* m_pRecurse = nullptr;
    wxCheckBox* m_pDisregard = nullptr;
    wxStaticBox* m_pStatusBox = nullptr;
    COXStatic* m_pStatus = nullptr;
    wxGauge* m_pProgress = nullptr;
    wxButton* m_pCompare = nullptr;
    wxButton* m_pAbort = nullptr;
    COXStatic* m_pCompareAgain = nullptr;
    wxStaticLine* m_pSeparator = nullptr;
    COXStatic* m_pLeftLabel = nullptr;
    COXStatic* m_pRightLabel = nullptr;
    CCopyAllButton* m_pCopyToRight = nullptr;
    CCopyAllButton* m_pCopyToLeft = nullptr;
    COXEdit* m_pLeftFolder = nullptr;
    wxButton* m_pLeftBrowse = nullptr;
    COXEdit* m_pRightFolder = nullptr;
    wxButton* m_pRightBrowse = nullptr;
    wxScrollBar* m_pScrollBar = nullptr;
};

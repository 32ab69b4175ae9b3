#pragma once

// The grid window holds its parts as child windows: the cell area
// (CGridCellArea), the two headings (CGridTopHeading, CGridSideHeading), the
// corner button, the two scroll bars and the tab bar. AdjustLayout() computes
// where they go (CGridLayoutRects) and moves them; each part paints its
// cells through their cell types and reports input back to the grid, whose
// operations and notifications below do the rest.
//
// The grid is a child window: its parent deletes it unless it is deleted
// first.

#include <wx/dnd.h>
#include <wx/kbdstate.h>
#include <wx/menu.h>
#include <wx/weakref.h>
#include <wx/window.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "CGridCell.h"
#include "CGridCellPool.h"
#include "CGridCellType.h"
#include "CGridResourceList.h"
#include "CGridSheet.h"

class wxFindDialogEvent;
class wxFindReplaceDialog;
class wxPrintData;
class wxTextCtrl;
class wxScrollEvent;
class CGridCellArea;
class CGridEdit;
class CGridEditBase;
class CGridMaskEdit;
class CGridCellPainter;
class CGridCornerButton;
class CGridHeading;
class CGridCellHints;
class CGridHintWnd;
class CGridHScrollBar;
class CGridPart;
class CGridSelection;
class CGridSideHeading;
class CGridTabBar;
class CGridTopHeading;
class CGridVScrollBar;

// A spreadsheet-style grid control: columns and rows of cells under a top
// heading and beside a side heading, in one or more sheets. Cells are read
// from and written to data sources (the built-in memory store unless a
// column names another). Operations answer with small integers: 0 done,
// 1 bad argument or not found, 2 refused by a notification.
//
// Subclasses customise the grid by overriding the notifications (the
// virtual operations below), each of which has a default answer.
class CSheetGrid : public wxWindow {
  public:
    // Parts of the grid, as passed to notifications.
    static constexpr int kSectionCellArea = 1;
    static constexpr int kSectionTopHeading = 2;
    static constexpr int kSectionSideHeading = 3;
    static constexpr int kSectionCornerButton = 4;
    static constexpr int kSectionHScrollBar = 5;
    static constexpr int kSectionVScrollBar = 6;

    // NotifyScrolled directions.
    static constexpr int kScrolledColumns = 5;
    static constexpr int kScrolledRows = 6;

    // Built-in cell types.
    static constexpr int kNormalCellType = 0;
    static constexpr int kDropListCellType = 1;
    static constexpr int kCheckBoxCellType = 2;
    static constexpr int kSideArrowsCellType = 3;

    // Popup menu items from this identifier on are reported through
    // NotifyMenuCommand.
    static constexpr int kFirstMenuCommand = 1000;

    // Control identifiers of the grid's child windows.
    static constexpr int kCellAreaId = 1;
    static constexpr int kTopHeadingId = 2;
    static constexpr int kSideHeadingId = 3;
    static constexpr int kCornerButtonId = 4;
    static constexpr int kTabBarId = 5;
    static constexpr int kVScrollBarId = 6;
    static constexpr int kHScrollBarId = 7;

    // Mouse activity of the sheet, which the moves read.
    static constexpr int kMouseNone = 0;
    static constexpr int kMouseLeftPress = 1;
    static constexpr int kMouseRightPress = 2;
    static constexpr int kMouseDrag = 3;
    static constexpr int kMouseScrollBar = 4;

    static constexpr int kMaxSheets = 1024;
    static constexpr int kMaxColumns = 32000;
    static constexpr int kMaxHeadingSize = 1024;

    // Registers the cell types and creates one sheet; no window exists yet.
    CSheetGrid();
    ~CSheetGrid() override;

    // Takes the place of the control `id` of `parent` (a placeholder that
    // the dialog or panel provides): same position, size, sizer slot and
    // tab order. The parent's font becomes the default font and its bolder
    // variant the heading font. 1 on success, 0 when there is no such
    // control or the grid is already attached.
    int AttachToDialogItem(wxWindow* parent, int id);
    // Creates the grid as a window of its own inside `parent`, with the
    // parent's fonts; false when the window cannot be made.
    bool CreateInWindow(wxWindow* parent, int id, const wxPoint& position, const wxSize& size);
    // One of the child windows by its control identifier; null before the
    // grid has a window.
    wxWindow* GetPartWindow(int id) const;

    // Sheets; every other operation acts on the current sheet.
    int SetSheetCount(int count);
    int GetSheetCount() const { return static_cast<int>(m_sheets.size()); }
    int SetCurrentSheet(int index, bool redraw);
    int GetCurrentSheet() const { return m_nCurrentSheet; }

    int SetRowCount(int count, bool redraw);
    int GetRowCount() const { return Sheet().m_nRowCount; }
    int SetColumnCount(int count, bool redraw);
    int GetColumnCount() const { return Sheet().ColumnCount(); }
    // Deletes the row in the current data source and, when it agrees, from
    // the grid; returns the data source's answer.
    int DeleteRow(int row);
    int SetLockedColumns(int count);
    int SetLockedRows(int count);

    int GetCurrentColumn() const { return Sheet().m_nCurrentColumn; }
    int GetCurrentRow() const { return Sheet().m_nCurrentRow; }
    int GetLeftColumn() const { return Sheet().m_nLeftColumn; }
    int GetTopRow() const { return Sheet().m_nTopRow; }
    // The first column (row) not shown in full, or the count when all are.
    int GetRightColumn() const;
    int GetBottomRow() const;

    // Moves of the current cell; the view scrolls to show it.
    int GotoCell(int column, int row);
    int GotoColumn(int column);
    int GotoRow(int row);
    // Scrolls without moving the current cell.
    int SetTopRow(int row);
    int SetLeftColumn(int column);

    // The cell as shown: the column's (or the heading's) defaults with the
    // stored properties merged over them. Reads outside the grid give the
    // defaults.
    int GetCell(int column, int row, CGridCell& cell);
    // Stores the cell; AdjustCellOnWrite may change it first. 1 outside the
    // grid (one past the last row and column is inside).
    int SetCell(int column, int row, CGridCell& cell);
    // The display text of the cell; none when it has no text.
    std::optional<std::string> GetCellText(int column, int row);
    // Each changes one stored property of the cell and writes it back.
    int SetCellText(int column, int row, const std::string& text);
    int SetCellNumber(int column, int row, double number);
    int SetCellTextColour(int column, int row, const wxColour& colour);
    int SetCellAlignment(int column, int row, uint16_t alignment);
    int SetCellType(int column, int row, int typeIndex);
    // An index without a bitmap clears the cell's bitmap.
    int SetCellBitmap(int column, int row, int bitmapIndex);

    // Adds a font to the grid's list, or counts one more use of an equal
    // font already there; its index, −1 when the list cannot grow.
    int AddFont(const wxFont& font);
    // Adds a bitmap to the grid's list; its index, −1 for an invalid bitmap.
    int AddBitmap(const wxBitmap& bitmap);
    // The bitmap of an index from AddBitmap; null when there is none.
    const wxBitmap* GetBitmap(int index) const { return m_bitmaps.Get(index); }
    // The font for cells that name none; not owned. 1 for null.
    int SetDefaultFont(const wxFont* font);
    const wxFont* GetDefaultFont() const { return Sheet().m_pDefaultFont; }
    // The extent of `text` in the font `dc` holds. While columns are fitted
    // to their content, each text is measured once per font: many cells
    // of a column repeat the same texts.
    wxSize MeasureText(wxDC& dc, const wxString& text, bool multiLine);

    // Registers a cell type; its index, −1 when the list cannot grow.
    int AddCellType(std::unique_ptr<CGridCellType> type);
    // The type a cell names: a registered type above 0, else the normal one.
    CGridCellType& CellTypeOf(const CGridCell& cell);
    // Passes `value` to the type's SetParameter and returns its answer; an
    // index without a type names the normal type.
    int SetCellTypeParameter(int typeIndex, intptr_t value);

    // Negative columns (rows) size the side (top) heading.
    int SetColumnWidth(int column, int width);
    int GetColumnWidth(int column) const;
    int SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;
    int SetUniformRowHeight(bool uniform);
    int SetTopHeadingRowHeight(int index, int height);
    int SetSideHeadingColumnWidth(int index, int width);
    int SetTopHeadingHeight(int height);
    int SetSideHeadingWidth(int width);
    // 0 hides the bar.
    int SetVScrollBarWidth(int width);
    int SetHScrollBarHeight(int height);

    // The cell under `point` of the cell area, with its rectangle there
    // (the whole range for a joined cell): 0, or 1 outside the cells.
    int CellFromPoint(const wxPoint& point, int& column, int& row, wxRect& rect);
    // The cell's rectangle in the window that shows it (heading cells in
    // their heading); false when it is not shown.
    bool GetCellRect(int column, int row, wxRect& rect);
    CGridSelection& GetSelection();
    // With multiple selection on, the mouse and the keys select blocks of
    // cells (Shift extends, Ctrl adds or toggles) and NotifySelectionChanged
    // reports each change.
    int EnableMultipleSelection(bool enable);

    // While alive, the grid takes Shift and Ctrl from the key or mouse event
    // being handled rather than from the keyboard's state now.
    class InputScope {
      public:
        InputScope(CSheetGrid& grid, const wxKeyboardState& state);
        ~InputScope();
        InputScope(const InputScope&) = delete;
        InputScope& operator=(const InputScope&) = delete;

      private:
        CSheetGrid& m_grid;
        int m_nPreviousModifiers;
    };
    // Columns may be moved by dragging their top heading.
    int EnableColumnDragging(bool enable);
    // Hints while the vertical (horizontal) thumb is dragged.
    int EnableScrollHints(bool vertical, bool horizontal);
    // Repeated arrow keys move faster: see the cell area's key handling.
    int SetKeyAcceleration(int rate, int delayMilliseconds);
    // Moves column `from` to the place `to`; its cells go with it.
    int MoveColumn(int from, int to);

    int RedrawAll();
    int RedrawRow(int row);
    int RedrawCell(int column, int row);

    // Index 0: the current sheet's built-in store; 1 and on: data sources
    // added with AddDataSource; null otherwise.
    CGridDataSource* GetDataSource(int index);
    // Takes a data source into the grid's keeping; its index.
    int AddDataSource(std::unique_ptr<CGridDataSource> dataSource);
    // The sheet's current data source: where heading cells are kept and
    // what new columns use. 1 for an unknown index.
    int SetDataSource(int index);
    // The data source of one column. 1 for an unknown column or index.
    int SetColumnDataSource(int column, int index);

    int ClearPopupMenu();
    // The items the popup menu holds now.
    const wxMenu& GetPopupMenu() const { return m_popupMenu; }
    // An empty text or identifier −1 appends a separator.
    int AddPopupMenuItem(int id, const wxString& text);
    int EnablePopupMenu(bool enable);
    // Opens the popup menu over a cell (a right click): 1 when the menu is
    // not enabled, 2 when AllowContextMenu refuses, 3 when it cannot open.
    int OpenPopupMenu(int column, int row, int section, const wxPoint& position);

    int EnableHints(bool enable);
    int SetTextOverflow(bool overflow);
    // 1 outside 0..3.
    int SetCurrentCellStyle(int style);
    int SetRowHighlight(bool highlight, bool toLastColumn);
    int SetVScrollTracking(int mode);
    int SetDoubleBuffering(bool buffered);
    bool IsDoubleBuffered() const { return m_bDoubleBuffering; }

    // StartEdit answers.
    static constexpr int kEditStarted = 0;
    static constexpr int kEditNotStarted = 1;
    static constexpr int kEditMoveRefused = 2;

    // Opens the editor over a cell (a heading cell in its heading), moving
    // the current cell there first; a first character above 0 is typed
    // into it. kEditNotStarted while an edit runs, for a cell that is not
    // editable, read-only or refused by AllowEditStart; kEditMoveRefused
    // when the move to the cell is refused.
    int StartEdit(int column, int row, int firstCharacter);
    // Ends the edit: unless cancelled the text is written to the cell;
    // continuing moves on to (nextColumn, nextRow), wrapped at the ends,
    // and edits there. 0 when AllowEditEnd keeps the edit open, else 1.
    int EndEdit(const std::string& text, bool cancelled, bool continueEdit, int nextColumn,
                int nextRow);
    bool IsEditing() const { return m_bEditing; }
    int GetEditColumn() const { return m_nEditColumn; }
    int GetEditRow() const { return m_nEditRow; }
    // The editor of the edit under way, null outside an edit.
    wxTextCtrl* GetActiveEditor() const { return m_pEditor; }
    // The built-in editor with that control identifier (the default or the
    // masked one), null for another identifier.
    wxTextCtrl* GetEditor(int id) const;
    // An edit whose editor loses the focus to a window outside the grid is
    // cancelled instead of written.
    int SetCancelEditOnLeaving(bool cancel);

    // The find-and-replace dialog the grid answers (none by default): its
    // find, replace and replace-all requests act on the current sheet from
    // the current cell; closing it makes the grid forget it. Not owned.
    void SetFindDialog(wxFindReplaceDialog* dialog);
    // Searches run along the rows instead of down the columns.
    int SetSearchAcross(bool across);
    // Prints the current sheet's cells. A print mode of wxPRINT_MODE_FILE
    // without `prompt` writes PostScript to the data's file name with no
    // dialog; otherwise the toolkit's printing runs, with its dialog when
    // `prompt`. False when nothing was printed (cancelled, or the printer
    // or file could not be opened).
    bool Print(const wxPrintData& data, bool prompt);

    // A window of the program's that follows the current cell (null for
    // none; the grid does not own it). With `placeBesideCell` it is put 30
    // pixels right of the cell after every move; in any case it is moved
    // off the cell when it would cover it.
    void SetTrackingWindow(wxWindow* window, bool placeBesideCell);
    wxWindow* GetTrackingWindow() const { return m_trackingWindow.get(); }

    // Pastes text from the cell on, as a drop of text does: tab-separated
    // fields go to the next column, each line to the next row back at the
    // starting column; read-only cells and cells outside the table are
    // skipped, and the paste stops at the last row.
    void PasteText(int column, int row, const wxString& text);

    // Computes where the parts of the grid go (into the sheet's layout),
    // asks the AdjustLayout notification, and keeps the view in its limits.
    void AdjustLayout();

    // Notifications, in their declared order. Points are in the receiving
    // part's client coordinates; `handled` is the cell type's own answer to
    // the same event.
    virtual void NotifyFocusGained(int section);
    // Scales the columns first..last to fill the cell area's width exactly.
    virtual int FitColumnsToWidth(int first, int last);
    // Sizes the columns first..last to their widest cell among the first
    // `rowLimit` rows (flags bit 0: the heading rows too): 1, 2, 3 for a bad
    // first, last, or range.
    virtual int FitColumnsToContent(int first, int last, int rowLimit, int flags);
    // Sizes the columns first..last (valid) to their widest cell among
    // `rows`, which may name heading rows.
    void FitColumnsToRows(int first, int last, std::span<const int> rows);
    virtual void InitialiseGrid();
    virtual void InitialiseSheet(int sheet);
    virtual bool AllowCurrentCellMove(int oldColumn, int oldRow, int newColumn, int newRow);
    virtual bool AllowViewMove(int oldLeftColumn, int oldTopRow, int newLeftColumn, int newTopRow);
    virtual void NotifyPastLastRow(int rowCount, int rowsPastEnd, int rowsFound);
    virtual bool AllowColumnResize(int column);
    virtual void NotifyColumnResizing(int column, int& width);
    virtual void NotifyColumnResized(int column, int& width);
    virtual bool AllowRowResize(int row);
    virtual void NotifyRowResizing(int row, int& height);
    virtual void NotifyRowResized(int row, int& height);
    virtual bool AllowTopHeadingResize();
    virtual bool AllowSideHeadingResize();
    virtual int NotifyTopHeadingResizing(int& height);
    virtual int NotifySideHeadingResizing(int& width);
    virtual int NotifyTopHeadingResized(int& height);
    virtual int NotifySideHeadingResized(int& width);
    virtual void NotifyCurrentColumnChanged(int oldColumn, int newColumn);
    virtual void NotifyCurrentRowChanged(int oldRow, int newRow);
    virtual void NotifyCurrentCellChanged(int oldColumn, int newColumn, int oldRow, int newRow);
    virtual void NotifyLeftColumnChanged(int oldColumn, int newColumn);
    virtual void NotifyTopRowChanged(int oldRow, int newRow);
    virtual void NotifyScrolled(int direction, int oldPosition, int newPosition);
    virtual void NotifySelectionChanged(int rightColumn, int topRow, int leftColumn, int bottomRow,
                                        int blockCount);
    virtual void NotifyCellLeftButton(int column, int row, bool down, const wxRect& rect,
                                      const wxPoint& point, bool handled);
    virtual void NotifyCellRightButton(int column, int row, bool down, const wxRect& rect,
                                       const wxPoint& point, bool handled);
    virtual void NotifyCellDoubleClick(int column, int row, const wxRect& rect,
                                       const wxPoint& point, bool handled);
    virtual void NotifyCellMouseMove(int column, int row, const wxPoint& point, int keyFlags,
                                     bool handled);
    virtual void NotifyTopHeadingLeftButton(int column, int row, bool down, const wxRect& rect,
                                            const wxPoint& point, bool handled);
    virtual void NotifyTopHeadingRightButton(int column, int row, bool down, const wxRect& rect,
                                             const wxPoint& point, bool handled);
    virtual void NotifyTopHeadingDoubleClick(int column, int row, const wxRect& rect,
                                             const wxPoint& point, bool handled);
    virtual void NotifySideHeadingLeftButton(int column, int row, bool down, const wxRect& rect,
                                             const wxPoint& point, bool handled);
    virtual void NotifySideHeadingRightButton(int column, int row, bool down, const wxRect& rect,
                                              const wxPoint& point, bool handled);
    virtual void NotifySideHeadingDoubleClick(int column, int row, const wxRect& rect,
                                              const wxPoint& point, bool handled);
    virtual void NotifyCornerLeftButton(bool down, const wxRect& rect, const wxPoint& point,
                                        bool handled);
    virtual void NotifyCornerRightButton(bool down, const wxRect& rect, const wxPoint& point,
                                         bool handled);
    virtual void NotifyCornerDoubleClick(const wxRect& rect, const wxPoint& point, bool handled);
    // A changed key is what the grid then acts on.
    virtual void NotifyKeyDown(int& key, bool handled);
    virtual void NotifyKeyUp(int& key, bool handled);
    virtual void NotifyCharacter(int& character, bool handled);
    // After every data source read, before the cell is used.
    virtual void AdjustCellOnRead(int column, int row, CGridCell& cell);
    // Before every data source write.
    virtual void AdjustCellOnWrite(int column, int row, CGridCell& cell);
    virtual int NotifyFromCellType(int typeIndex, int column, int row, int message,
                                   intptr_t parameter);
    virtual bool AllowEditStart(int column, int row, wxTextCtrl*& editor);
    virtual bool CheckEditKey(int column, int row, wxTextCtrl* editor, int& key);
    virtual bool AllowEditEnd(int column, int row, wxTextCtrl* editor, const std::string& text,
                              bool cancelled);
    virtual bool AllowEditMoveOn(int oldColumn, int oldRow, int& newColumn, int& newRow);
    // A popup menu item of kFirstMenuCommand or above was chosen over the
    // cell the menu was opened for.
    virtual void NotifyMenuCommand(int column, int row, int section, int id);
    virtual bool AllowContextMenu(int column, int row, int section);
    // A help context identifier for the cell, 0 for none.
    virtual int GetHelpContext(int column, int row, int section);
    // The hint shown over a cell; shown only when the answer is 1.
    virtual int GetHintText(int column, int row, int section, std::string& text);
    virtual int GetVerticalScrollHint(int row, std::string& text);
    virtual int GetHorizontalScrollHint(int column, std::string& text);
    virtual wxDragResult NotifyDragEnter(const wxDataObject& data);
    virtual wxDragResult NotifyDragOver(const wxDataObject& data, int column, int row);
    // Nonzero lets dropped text be pasted at the cell.
    virtual bool NotifyDrop(const wxDataObject& data, int column, int row);
    // The sort comparison of the built-in store; either cell may be null.
    virtual int CompareCells(const CGridCell* a, const CGridCell* b, int flags);
    virtual void PrepareDeviceContext(wxDC& dc, wxDC* offScreen, int section);
    // Every layout pass, before the parts move; may change where they go.
    virtual void AdjustLayout(wxRect& cellArea, wxRect& topHeading, wxRect& sideHeading,
                              wxRect& cornerButton, wxRect& vScrollBar, wxRect& hScrollBar,
                              wxRect& tabBar);
    virtual void NotifyTabSelected(int tabId);
    virtual wxColour GetAreaBackColour(int section);
    // Draws the current cell's focus mark: the cell type's, or a dotted
    // rectangle one pixel inside the right and bottom edges.
    virtual void DrawFocusRectangle(wxDC& dc, const wxRect& rect);
    virtual void NotifyFocusLostTo(int section, wxWindow* newFocus);
    virtual void NotifyFocusLost(int section);
    virtual bool AllowColumnDrag(int column);
    virtual bool AllowColumnMove(int fromColumn, int toColumn);
    virtual void NotifyColumnMoved(int fromColumn, int toColumn);
    virtual void PlaceTrackingWindow(wxRect& cellScreenRect, wxRect& windowRect);
    // Opens the application's help at a context from GetHelpContext. By
    // default the help controller of the application's help provider (a
    // wxHelpControllerHelpProvider) shows that section; a program without
    // one overrides this.
    virtual void ShowHelp(int context);

  protected:
    CGridSheet& Sheet() { return *m_sheets[m_nCurrentSheet]; }
    const CGridSheet& Sheet() const { return *m_sheets[m_nCurrentSheet]; }
    // The window the cell hints show in; the grid's parts must exist.
    const CGridHintWnd& CellHintWindow() const;

  private:
    friend class CGridCellType;
    friend class CGridCellArea;
    friend class CGridCellPainter;
    friend class CGridHeading;
    friend class CGridTopHeading;
    friend class CGridSideHeading;
    friend class CGridCornerButton;
    friend class CGridPart;
    friend class CGridEditBase;

    void CreateParts();
    void CreateEditors();
    void OnFindDialog(wxFindDialogEvent& event);
    // The grid column that shows a column of the sheet's data source; -1
    // for none.
    int GridColumnOf(int dataSourceColumn) const;
    // A cell an editor can be opened over: a data cell or a heading cell.
    bool IsEditableCell(int column, int row) const;
    wxWindow* EditWindowFor(int column, int row) const;
    // StartEdit without the check for an edit under way: moving on chains
    // edits without leaving the editing state in between.
    int BeginEditAt(int column, int row, int firstCharacter);
    void ShowEditor(wxTextCtrl& editor, const wxRect& rect, int firstCharacter);
    // Leaves the editing state before an editor opened; kEditNotStarted.
    int StopEditing();
    // Whether the edited text, written into a column with an empty cell to
    // its right, runs on past the column and so needs the grid repainted.
    bool TextRunsOnPastColumn(int column, int row, const std::string& text);
    // Where moving on from the edited cell lands: past a joined range,
    // wrapped around the ends.
    void MoveOnTarget(int& column, int& row);
    // The editor of edit number `edit` lost the focus to `newFocus` (null:
    // to no window of ours); nothing happens when that edit is over.
    void EndEditOnFocusLost(CGridEditBase& editor, unsigned edit, wxWindow* newFocus,
                            bool cancelled, bool continueEdit, int nextColumn, int nextRow);
    // Switches the grid and every part to right-to-left layout when
    // `direction` asks for it.
    void ApplyLayoutDirection(wxLayoutDirection direction);
    // Places the tracking window beside the current cell, if there is one.
    void PlaceTrackingWindowForPendingCell();
    // Asks GetHelpContext for the cell and shows the help it names; true
    // when there was a context.
    bool ShowHelpForCell(int column, int row, int section);
    // Moves the child windows to the sheet's layout.
    void MoveParts();
    // The parts show what changed since the last applied change.
    void UpdateParts(int oldLeftColumn, int oldTopRow, int oldColumn, int oldRow);
    void UpdateScrollBars();
    void OnScrollBar(wxScrollEvent& event);
    void ScrollRows(wxEventType code, int position);
    void ScrollColumns(wxEventType code, int position);
    // The top row one cell-area page away from `from` (forward or back).
    int RowPageFrom(int from, bool forward) const;
    int ColumnPageFrom(int from, bool forward) const;
    // Repaints the current cell, or its row with row highlight.
    void RedrawCurrent(int column, int row);
    // A cell drawn in the current paint asks for its neighbour too.
    void AddToPaint(int column, int row);
    // The sizes of the heading's parts change by mouse: one row (column)
    // and the heading's total by the same amount.
    void ResizeHeadingPart(bool top, int index, int size);
    int DataSourceColumn(int column) const;
    CGridDataSource& DataSourceOf(int column);
    int ChangeStoredCell(int column, int row, const std::function<void(CGridCell&)>& change);
    bool IsDataCell(int column, int row) const;
    // A member of a joined range is replaced by the range's origin.
    void ResolveJoin(int& column, int& row);
    // Where a move along a row (or a column) lands when its target is a
    // member of a joined range: past the range going forward, on its origin
    // going back.
    int JumpOverJoin(int column, int row, bool movingRow, bool forward);
    int MoveCurrentCell(int column, int row, bool askDataSource);
    void ApplyChange();
    // Whether moves go through the selection object; the one place that
    // decides it.
    bool SelectionFollowsMoves() const;
    bool IsShiftHeld() const;
    bool IsControlHeld() const;
    // Tells the selection of a move of the current cell from (fromColumn,
    // fromRow) to (column, row), as the mouse activity and the keys held
    // make it: a new block, an extended one, or a toggled cell.
    void TellSelectionOfMove(int fromColumn, int fromRow, int column, int row);
    // The last block's moving cell goes to (column, row); without a block
    // one starts at (fromColumn, fromRow) first.
    void ExtendSelection(int fromColumn, int fromRow, int column, int row);
    // Every block goes; a block of the one cell starts.
    void RestartSelection(int column, int row);
    // Repaints `before` and the range of the block numbered `block`, and
    // reports that block.
    void ReportSelectionChange(const CGridRange& before, int block);
    // Unless the mouse is busy or Shift or Ctrl is held, keyboard moves
    // start again from the anchor of the last block. True when the current
    // cell moved there.
    bool ReturnToSelectionAnchor();
    // Cell types hear of the current cell, and, when the view moved, of
    // the cells along the edges of the shown range.
    void TellCellTypesOfView(bool viewMoved);
    void TellCellTypeOfView(int column, int row);
    void OnScrollBarContextMenu(wxContextMenuEvent& event);
    // Computes where the parts go, without touching the view.
    void PlaceParts();
    void KeepViewInLimits();
    void NotifyColumnWidth(int column, int& width);
    void NotifyRowHeight(int row, int& height);
    void StoreColumnWidth(int column, int width);
    bool IsVisibleAndReady() const;
    int SetHeadingSize(std::vector<int>& sizes, int& total, int index, int size);
    int ScaleHeading(std::vector<int>& sizes, int& total, int size);
    std::unique_ptr<CGridSheet> MakeSheet();
    void OnSize(wxSizeEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnMenu(wxCommandEvent& event);
    void OnSystemColoursChanged(wxSysColourChangedEvent& event);

    std::vector<std::unique_ptr<CGridSheet>> m_sheets;
    int m_nCurrentSheet = 0;
    CGridResourceList<wxFont> m_fonts;
    CGridResourceList<wxBitmap> m_bitmaps;
    CGridResourceList<CGridCellType> m_cellTypes;
    std::vector<std::unique_ptr<CGridDataSource>> m_dataSources;  // index 1 and on
    wxMenu m_popupMenu;
    // Extents measured during one FitColumnsToContent, by font and text.
    std::unordered_map<std::wstring, wxSize>* m_pMeasuredTexts = nullptr;
    int m_nMenuColumn = -1;  // where the popup menu was last opened
    int m_nMenuRow = -1;
    int m_nMenuSection = 0;
    // wxMOD_ bits of the key or mouse event being handled; -1 outside one.
    int m_nInputModifiers = -1;
    CGridCellPool m_cellPool;  // working cells for the operations that read and write
    bool m_bRedrawEnabled = true;
    bool m_bDoubleBuffering = false;
    // Pens for the 3-D edges, made from the system colours.
    wxPen m_highlightPen;
    wxPen m_shadowPen;
    CGridCellArea* m_pCellArea = nullptr;
    CGridTopHeading* m_pTopHeading = nullptr;
    CGridSideHeading* m_pSideHeading = nullptr;
    CGridCornerButton* m_pCornerButton = nullptr;
    CGridTabBar* m_pTabBar = nullptr;
    CGridVScrollBar* m_pVScrollBar = nullptr;
    CGridHScrollBar* m_pHScrollBar = nullptr;
    CGridHintWnd* m_pHintWnd = nullptr;  // the scroll hints
    std::unique_ptr<CGridCellHints> m_pCellHints;

    wxFindReplaceDialog* m_pFindDialog = nullptr;
    bool m_bSearchAcross = false;

    // The edit under way: the cell as read at its start and the editor.
    bool m_bEditing = false;
    unsigned m_nEditNumber = 0;  // counts the edits started
    int m_nEditColumn = -1;
    int m_nEditRow = -1;
    CGridCell m_editCell;
    wxTextCtrl* m_pEditor = nullptr;
    CGridEdit* m_pDefaultEditor = nullptr;
    CGridMaskEdit* m_pMaskEditor = nullptr;
    wxWeakRef<wxWindow> m_trackingWindow;
};

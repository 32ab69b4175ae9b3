#pragma once

#include <wx/brush.h>
#include <wx/pen.h>

#include <string>
#include <vector>

#include "CGridCellType.h"
#include "CGridDropListBox.h"

// Cells that offer a choice of texts: a button at the cell's right end
// opens a list of the choices below the cell, and the one taken becomes the
// cell's text. The choices are the lines of the cell's label; the grid is
// asked before the list opens and before a choice is stored. Its cells may
// be edited in place but take no neighbour's text.
class CGridDropListType : public CGridCellType, private CGridDropListBox::Owner {
  public:
    // Style bit: the button only on the current cell, and a best size
    // without it.
    static constexpr int kStyleButtonOnCurrent = 0x200;

    // Sent through Notify. Opening: the parameter points at the choices (a
    // std::vector<std::string>, which the grid may change); 0 keeps the list
    // closed. Then, for a choice: its index; a pointer to its text
    // (std::string), nonzero lets it be stored; the same after storing.
    static constexpr int kMessageOpening = 100;
    static constexpr int kMessageAllowChoice = 101;
    static constexpr int kMessageChoiceIndex = 102;
    static constexpr int kMessageChoiceStored = 103;

    // The list shows at most this many rows before it scrolls.
    static constexpr int kMostListRows = 15;

    explicit CGridDropListType(CSheetGrid& grid);
    ~CGridDropListType() override;

    // The choices a label offers: each piece of it that ends in a newline.
    static std::vector<std::string> ChoicesOf(const std::string& label);

    int GetButtonWidth() const { return m_nButtonWidth; }
    // The open list, null when none is open.
    const CGridDropListBox* GetListBox() const { return m_pListBox; }

    wxString GetName() const override;
    const std::array<uint8_t, 16>& GetTypeIdentifier() const override;
    int AdjustEditRect(wxRect& rect) override;
    bool OnLeftButton(int column, int row, bool down, const wxRect& rect,
                      const wxPoint& point) override;
    bool OnDoubleClick(int column, int row, const wxRect& rect, const wxPoint& point) override;
    bool OnKeyDown(int column, int row, int& key) override;
    bool OnCharacter(int column, int row, int& character) override;
    bool OnMouseMove(int column, int row, const wxPoint& point, int keyFlags) override;
    void Draw(wxDC& dc, const wxRect& rect, int column, int row, const CGridCell& cell,
              int selected, bool current) override;
    void OnFocusLost(int column, int row, const CGridCell& cell) override;
    void GetBestSize(wxDC& dc, wxSize& size, const CGridCell& cell) override;
    int OnSystemColoursChanged() override;

  private:
    void OnListChoice(int index) override;
    void OnListDismissed() override;

    void OpenList(int column, int row);
    // Destroys the list; without a choice the next press on a button is
    // the one that closed it and opens nothing.
    void CloseList(bool chosen);
    void TakeChoice(int column, int row, int index, std::string text);
    // Where the list of a cell goes in the cell area.
    wxRect ListRect(const wxRect& cellRect, int choiceCount, const wxFont& font) const;
    // The button in the part of a cell its border leaves.
    wxRect ButtonRect(const wxRect& inner) const;
    void DrawButton(wxDC& dc, const wxRect& button, bool pressed, bool readOnly);
    void DrawTriangle(wxDC& dc, const wxRect& button, bool readOnly);
    void SetButtonPressed(bool pressed);
    wxWindow* CellArea() const;

    int m_nButtonWidth;
    wxRect m_buttonRect;  // the pressed button, in the cell area
    bool m_bButtonPressed = false;
    bool m_bTrackingButton = false;  // the left button went down on it
    int m_nOpenColumn = -1;
    int m_nOpenRow = -1;
    wxPen m_facePen;
    wxBrush m_faceBrush;
    CGridDropListBox* m_pListBox = nullptr;
};

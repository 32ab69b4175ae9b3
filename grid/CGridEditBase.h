#pragma once

#include <wx/textctrl.h>

class CGridCell;
class CSheetGrid;

// What the grid's two in-place editors share: the keys that end an edit
// or move it on to a neighbouring cell, the check every typed character
// passes (the data source's and the grid's), and ending the edit when the
// editor loses the focus.
class CGridEditBase : public wxTextCtrl {
  public:
    // Delete reaches the key checks as this character.
    static constexpr int kDeleteCharacter = 127;

    CGridEditBase(CSheetGrid& grid, int id, long style);

    // Gets ready for an edit of `cell`, whose display text the editor now
    // holds: no target yet, all text selected, read-only as the cell is.
    virtual void BeginEdit(const CGridCell& cell);
    // Types one character as a key press would.
    void TypeCharacter(int character);
    // The text to store: what the editor shows, as bytes.
    std::string EditedText() const;

  protected:
    // True for characters the editor inserts on its own instead of letting
    // the edit field do it: the masked editor lays them on its mask.
    virtual bool InsertsItself(int character) const;
    // Inserts a printable character that passed the checks.
    virtual void InsertCharacter(int character);
    // The data source's and the grid's word on a key; `key` may change.
    bool KeyPasses(int& key);
    // The edit ends: the masked editor drops its length limit.
    virtual void OnEditEnding() {}

    CSheetGrid& m_grid;

  private:
    // Tab, Enter and Escape are keys here, never typed characters.
    static bool IsDropped(int character);
    void OnKeyDown(wxKeyEvent& event);
    void OnChar(wxKeyEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    // Ends the edit with the grid moving on by (columns, rows).
    void MoveOn(int columns, int rows);
    void CancelEdit();

    int m_nTargetColumn = -1;
    int m_nTargetRow = -1;
    bool m_bCancel = false;
    bool m_bContinue = false;
};

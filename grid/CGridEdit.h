#pragma once

#include "CGridEditBase.h"

// The grid's default in-place editor: an edit field of several lines that,
// while the cell's text may run on into its neighbours, grows over the
// cells to its right and below as the text gets longer.
class CGridEdit : public CGridEditBase {
  public:
    static constexpr int kId = 123;

    explicit CGridEdit(CSheetGrid& grid);

    // Whether the editor may grow at all (it may by default).
    void SetGrow(bool grow) { m_bGrow = grow; }
    void BeginEdit(const CGridCell& cell) override;

  private:
    void OnText(wxCommandEvent& event);
    // Widens (lengthens) the editor to the edge of the cell its text
    // reaches, within the window it sits in; it never shrinks.
    void Grow();

    bool m_bGrow = true;
    bool m_bGrowing = false;  // for the edit under way
    int m_nStartHeight = 0;
};

#pragma once

#include "CGridEditBase.h"
#include "CGridEditMask.h"

// The grid's in-place editor for cells with an input mask: one line, each
// typed character laid on the mask, the mask's literals typed for the user.
class CGridMaskEdit : public CGridEditBase {
  public:
    static constexpr int kId = 124;

    explicit CGridMaskEdit(CSheetGrid& grid);

    // Takes the cell's mask: the text is limited to its length and laid
    // out on it. An empty mask turns masking off.
    void BeginEdit(const CGridCell& cell) override;

  protected:
    bool InsertsItself(int character) const override;
    void InsertCharacter(int character) override;
    void OnEditEnding() override;

  private:
    CGridEditMask m_mask;
};

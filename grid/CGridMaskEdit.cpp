#include "CGridMaskEdit.h"

#include "CGridCell.h"
#include "CGridEditText.h"

CGridMaskEdit::CGridMaskEdit(CSheetGrid& grid) : CGridEditBase(grid, kId, 0), m_mask("") {}

void CGridMaskEdit::BeginEdit(const CGridCell& cell) {
    m_mask = CGridEditMask(cell.GetInputMask());
    if (m_mask.IsOn()) {
        SetMaxLength(static_cast<unsigned long>(m_mask.Length()));
        ChangeValue(wxString::FromUTF8(m_mask.Reformat(GetValue().utf8_string())));
    }
    CGridEditBase::BeginEdit(cell);
}

bool CGridMaskEdit::InsertsItself(int character) const {
    return m_mask.IsOn() && CGridEditMask::IsPrintable(static_cast<char32_t>(character));
}

void CGridMaskEdit::InsertCharacter(int character) {
    if (!InsertsItself(character)) {
        CGridEditBase::InsertCharacter(character);
        return;
    }
    long from = 0;
    long to = 0;
    GetSelection(&from, &to);
    CGridEditText edit(GetValue().utf8_string(), static_cast<size_t>(from), static_cast<size_t>(to),
                       m_mask.Length());
    const auto keyCheck = [this](char32_t& typed) {
        int key = static_cast<int>(typed);
        const bool passes = KeyPasses(key);
        typed = static_cast<char32_t>(key);
        return passes;
    };
    if (m_mask.Type(edit, static_cast<char32_t>(character), keyCheck)) {
        ChangeValue(wxString::FromUTF8(edit.Text()));
        SetInsertionPoint(static_cast<long>(edit.Caret()));
    }
}

void CGridMaskEdit::OnEditEnding() {
    SetMaxLength(0);
}

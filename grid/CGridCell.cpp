#include "CGridCell.h"

#include <wx/settings.h>

#include <cmath>
#include <new>
#include <utility>

#include "NumberText.h"

namespace {

const std::string kNoText;
const std::vector<uint8_t> kNoData;

}  // namespace

CGridCell::CGridCell() {
    Clear();
}

CGridCell CGridCell::Blank() {
    return CGridCell(BlankTag());
}

CGridCell::Rgb CGridCell::SystemRgb(int systemColour) {
    return wxSystemSettings::GetColour(static_cast<wxSystemColour>(systemColour)).GetRGB();
}

void CGridCell::Clear() {
    m_nMask = kResetMask;
    m_pAttachmentA = nullptr;
    m_pAttachmentB = nullptr;
    m_dNumber = 0.0;
    m_strText.clear();
    m_strLabel.clear();
    m_strInputMask.clear();
    m_nDataType = kTypeText;
    m_bReadOnly = false;
    m_nReservedValue = -1;
    m_nDecimalPlaces = 0;
    m_nCellTypeIndex = -1;
    m_nCellTypeStyle = -1;
    m_clrText = SystemRgb(wxSYS_COLOUR_WINDOWTEXT);
    m_clrBack = SystemRgb(wxSYS_COLOUR_WINDOW);
    m_clrHighlightText = SystemRgb(wxSYS_COLOUR_HIGHLIGHTTEXT);
    m_clrHighlightBack = SystemRgb(wxSYS_COLOUR_HIGHLIGHT);
    m_nBorderStyle = 0;
    m_pBorderPen = nullptr;
    m_pFont = nullptr;
    m_pBitmap = nullptr;
    m_nAlignment = kAlignLeft;
    std::vector<uint8_t>().swap(m_extraData);
    m_join = Join();
}

void CGridCell::CopyFrom(const CGridCell& source) {
    if (&source == this) {
        return;
    }
    m_nMask = source.m_nMask;
    m_dNumber = source.m_dNumber;
    CopyProperties(source, source.m_nMask);
}

void CGridCell::MergeFrom(const CGridCell& source) {
    if (&source == this) {
        return;
    }
    m_nMask |= source.m_nMask;
    if (source.HasMask(kDataType)) {
        m_dNumber = source.m_dNumber;
    }
    CopyProperties(source, source.m_nMask);
}

void CGridCell::CopyProperties(const CGridCell& source, uint32_t bits) {
    if (bits & kAttachmentA)
        m_pAttachmentA = source.m_pAttachmentA;
    if (bits & kAttachmentB)
        m_pAttachmentB = source.m_pAttachmentB;
    if (bits & kText)
        m_strText = source.m_strText;
    if (bits & kLabel)
        m_strLabel = source.m_strLabel;
    if (bits & kInputMask)
        m_strInputMask = source.m_strInputMask;
    if (bits & kDataType)
        m_nDataType = source.m_nDataType;
    if (bits & kReadOnly)
        m_bReadOnly = source.m_bReadOnly;
    if (bits & kReservedValue)
        m_nReservedValue = source.m_nReservedValue;
    if (bits & kDecimalPlaces)
        m_nDecimalPlaces = source.m_nDecimalPlaces;
    if (bits & kCellType)
        m_nCellTypeIndex = source.m_nCellTypeIndex;
    if (bits & kCellTypeStyle)
        m_nCellTypeStyle = source.m_nCellTypeStyle;
    if (bits & kTextColour)
        m_clrText = source.m_clrText;
    if (bits & kBackColour)
        m_clrBack = source.m_clrBack;
    if (bits & kHighlightTextColour)
        m_clrHighlightText = source.m_clrHighlightText;
    if (bits & kHighlightBackColour)
        m_clrHighlightBack = source.m_clrHighlightBack;
    if (bits & kBorderStyle)
        m_nBorderStyle = source.m_nBorderStyle;
    if (bits & kBorderPen)
        m_pBorderPen = source.m_pBorderPen;
    if (bits & kFont)
        m_pFont = source.m_pFont;
    if (bits & kBitmap)
        m_pBitmap = source.m_pBitmap;
    if (bits & kAlignment)
        m_nAlignment = source.m_nAlignment;
    if (bits & kJoin)
        m_join = source.m_join;
    if (bits & kExtraData) {
        try {
            m_extraData = source.m_extraData;
        } catch (const std::bad_alloc&) {
            // The copy goes on without the block, as documented.
            std::vector<uint8_t>().swap(m_extraData);
        }
    }
}

void CGridCell::SetText(const std::string& text) {
    m_strText = text;
    if (text.empty()) {
        m_nMask &= ~kText;
        return;
    }
    m_nMask |= kText | kDataType;
    m_nDataType = kTypeText;
}

void CGridCell::SetTypedText(const std::string& text, short dataType) {
    SetText(text);
    if (dataType >= kTypeNumber && dataType <= kTypeCurrency) {
        SetDataType(dataType);
    }
}

std::optional<std::string> CGridCell::GetDisplayText() const {
    if (!HasMask(kText)) {
        return std::nullopt;
    }
    if (GetDataType() != kTypeNumber) {
        return m_strText;
    }
    const std::optional<int> fixed =
        HasMask(kDecimalPlaces) ? std::optional<int>(m_nDecimalPlaces) : std::nullopt;
    return FormatNumberText(m_dNumber, fixed, !HasMask(kNoGrouping),
                            NumberConventions::FromLocale());
}

void CGridCell::SetNumber(double number) {
    m_strText.clear();
    m_dNumber = number;
    m_nMask |= kText | kDataType;
    m_nDataType = kTypeNumber;
}

double CGridCell::GetNumber() const {
    if (!HasMask(kText)) {
        return 0.0;
    }
    switch (GetDataType()) {
        case kTypeNumber:
        case kTypeDateTime:
        case kTypeCurrency:
            return m_dNumber;
        default:
            return TextToNumber(m_strText, NumberConventions::FromLocale());
    }
}

// Typed text becomes a number, a date or a currency amount; the number is
// what the cell then shows and sorts by.
void CGridCell::SetDataType(short type) {
    if (HasMask(kDataType) && m_nDataType == type) {
        return;
    }
    if (HasMask(kText)) {
        const std::string shown = GetDisplayText().value_or(std::string());
        switch (type) {
            case kTypeNumber:
                m_dNumber = TextToNumber(shown, NumberConventions::FromLocale());
                m_strText.clear();
                break;
            case kTypeDateTime:
                m_dNumber = DateTextToNumber(shown).value_or(0.0);
                break;
            case kTypeCurrency:
                if (GetDataType() == kTypeNumber) {
                    m_strText = FormatFixed(m_dNumber, 2);
                } else {
                    // Currency amounts are kept to 1/10000.
                    const double amount = TextToNumber(shown, NumberConventions::FromLocale());
                    m_dNumber = std::round(amount * 10000.0) / 10000.0;
                }
                break;
            default:
                break;
        }
    }
    m_nDataType = type;
    m_nMask |= kDataType;
}

short CGridCell::GetDataType() const {
    return HasMask(kDataType) ? m_nDataType : kTypeText;
}

void CGridCell::SetLabel(const std::string& label) {
    m_strLabel = label;
    m_nMask |= kLabel;
}

const std::string& CGridCell::GetLabel() const {
    return HasMask(kLabel) ? m_strLabel : kNoText;
}

void CGridCell::SetInputMask(const std::string& mask) {
    m_strInputMask = mask;
    m_nMask |= kInputMask;
}

const std::string& CGridCell::GetInputMask() const {
    return HasMask(kInputMask) ? m_strInputMask : kNoText;
}

void CGridCell::SetReadOnly(bool readOnly) {
    m_bReadOnly = readOnly;
    m_nMask |= kReadOnly;
}

bool CGridCell::IsReadOnly() const {
    return HasMask(kReadOnly) && m_bReadOnly;
}

void CGridCell::SetReservedValue(int value) {
    m_nReservedValue = value;
    m_nMask |= kReservedValue;
}

int CGridCell::GetReservedValue() const {
    return HasMask(kReservedValue) ? m_nReservedValue : -1;
}

void CGridCell::SetDecimalPlaces(int places) {
    m_nDecimalPlaces = places;
    m_nMask |= kDecimalPlaces;
}

int CGridCell::GetDecimalPlaces() const {
    return HasMask(kDecimalPlaces) ? m_nDecimalPlaces : 0;
}

void CGridCell::SetCellTypeIndex(int index) {
    m_nCellTypeIndex = index;
    m_nMask |= kCellType;
}

int CGridCell::GetCellTypeIndex() const {
    return HasMask(kCellType) ? m_nCellTypeIndex : 0;
}

void CGridCell::SetCellTypeStyle(int style) {
    m_nCellTypeStyle = style;
    m_nMask |= kCellTypeStyle;
}

int CGridCell::GetCellTypeStyle() const {
    return HasMask(kCellTypeStyle) ? m_nCellTypeStyle : 0;
}

wxColour CGridCell::ColourOrSystem(uint32_t bit, Rgb rgb, int systemColour) const {
    return HasMask(bit) ? wxColour(rgb)
                        : wxSystemSettings::GetColour(static_cast<wxSystemColour>(systemColour));
}

void CGridCell::SetTextColour(const wxColour& colour) {
    m_clrText = colour.GetRGB();
    m_nMask |= kTextColour;
}

wxColour CGridCell::GetTextColour() const {
    return ColourOrSystem(kTextColour, m_clrText, wxSYS_COLOUR_WINDOWTEXT);
}

void CGridCell::SetBackColour(const wxColour& colour) {
    m_clrBack = colour.GetRGB();
    m_nMask |= kBackColour;
}

wxColour CGridCell::GetBackColour() const {
    return ColourOrSystem(kBackColour, m_clrBack, wxSYS_COLOUR_WINDOW);
}

void CGridCell::SetHighlightTextColour(const wxColour& colour) {
    m_clrHighlightText = colour.GetRGB();
    m_nMask |= kHighlightTextColour;
}

wxColour CGridCell::GetHighlightTextColour() const {
    return ColourOrSystem(kHighlightTextColour, m_clrHighlightText, wxSYS_COLOUR_HIGHLIGHTTEXT);
}

void CGridCell::SetHighlightBackColour(const wxColour& colour) {
    m_clrHighlightBack = colour.GetRGB();
    m_nMask |= kHighlightBackColour;
}

wxColour CGridCell::GetHighlightBackColour() const {
    return ColourOrSystem(kHighlightBackColour, m_clrHighlightBack, wxSYS_COLOUR_HIGHLIGHT);
}

void CGridCell::SetBorderStyle(uint16_t style) {
    m_nBorderStyle = style;
    m_nMask |= kBorderStyle;
}

uint16_t CGridCell::GetBorderStyle() const {
    return HasMask(kBorderStyle) ? m_nBorderStyle : 0;
}

void CGridCell::SetBorderPen(const wxPen* pen) {
    m_pBorderPen = pen;
    m_nMask |= kBorderPen;
}

const wxPen* CGridCell::GetBorderPen() const {
    return HasMask(kBorderPen) ? m_pBorderPen : nullptr;
}

void CGridCell::SetFont(const wxFont* font) {
    m_pFont = font;
    m_nMask |= kFont;
}

const wxFont* CGridCell::GetFont() const {
    return HasMask(kFont) ? m_pFont : nullptr;
}

void CGridCell::SetBitmap(const wxBitmap* bitmap) {
    m_pBitmap = bitmap;
    if (bitmap == nullptr) {
        m_nMask &= ~kBitmap;
    } else {
        m_nMask |= kBitmap;
    }
}

const wxBitmap* CGridCell::GetBitmap() const {
    return HasMask(kBitmap) ? m_pBitmap : nullptr;
}

void CGridCell::SetAlignment(uint16_t alignment) {
    m_nAlignment = alignment;
    m_nMask |= kAlignment;
}

uint16_t CGridCell::GetAlignment() const {
    return HasMask(kAlignment) ? m_nAlignment : kAlignLeft;
}

void CGridCell::SetExtraData(std::vector<uint8_t> data) {
    m_extraData = std::move(data);
    m_nMask |= kExtraData;
}

const std::vector<uint8_t>& CGridCell::GetExtraData() const {
    return HasMask(kExtraData) ? m_extraData : kNoData;
}

void CGridCell::SetJoin(const Join& join) {
    m_join = join;
    m_nMask |= kJoin;
}

CGridCell::Join CGridCell::GetJoin() const {
    return HasMask(kJoin) ? m_join : Join();
}

void CGridCell::SetAttachmentA(CGridCellAttachment* attachment) {
    m_pAttachmentA = attachment;
    m_nMask |= kAttachmentA;
}

CGridCellAttachment* CGridCell::GetAttachmentA() const {
    return HasMask(kAttachmentA) ? m_pAttachmentA : nullptr;
}

void CGridCell::SetAttachmentB(CGridCellAttachment* attachment) {
    m_pAttachmentB = attachment;
    m_nMask |= kAttachmentB;
}

CGridCellAttachment* CGridCell::GetAttachmentB() const {
    return HasMask(kAttachmentB) ? m_pAttachmentB : nullptr;
}

// Null cells sort after present ones in either direction; descending swaps
// the roles of the two cells for everything else.
int CGridCell::Compare(const CGridCell* a, const CGridCell* b, int flags) {
    if (a == nullptr) {
        return b == nullptr ? 0 : 1;
    }
    if (b == nullptr) {
        return -1;
    }
    if (flags & kSortDescending) {
        std::swap(a, b);
    }
    switch (a->GetDataType()) {
        case kTypeNumber:
        case kTypePlainNumber:
        case kTypeCurrency: {
            const double x = a->GetNumber();
            const double y = b->GetNumber();
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        default:
            break;
    }
    if (!a->HasMask(kText)) {
        return 1;
    }
    if (!b->HasMask(kText)) {
        return -1;
    }
    const int order = a->m_strText.compare(b->m_strText);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

#pragma once

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/font.h>
#include <wx/pen.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CGridCellAttachment;

// One cell of the grid: a property mask and the properties it marks as set.
// A property whose bit is clear reads as its default. The grid never keeps
// cells itself; it assembles each one on demand from defaults and from its
// data source, so this record is a working copy that callers own.
//
// Texts are byte strings, never converted here: a file name that is not
// valid UTF-8 travels through a cell unchanged.
class CGridCell {
  public:
    // Property bits of the mask.
    static constexpr uint32_t kText = 0x1;
    static constexpr uint32_t kInputMask = 0x2;
    static constexpr uint32_t kLabel = 0x4;
    static constexpr uint32_t kDataType = 0x8;
    static constexpr uint32_t kReservedValue = 0x10;
    static constexpr uint32_t kCellType = 0x20;
    static constexpr uint32_t kCellTypeStyle = 0x40;
    static constexpr uint32_t kTextColour = 0x80;
    static constexpr uint32_t kBackColour = 0x100;
    static constexpr uint32_t kHighlightTextColour = 0x200;
    static constexpr uint32_t kHighlightBackColour = 0x400;
    static constexpr uint32_t kBorderStyle = 0x800;
    static constexpr uint32_t kBorderPen = 0x1000;
    static constexpr uint32_t kFont = 0x2000;
    static constexpr uint32_t kBitmap = 0x4000;
    static constexpr uint32_t kAlignment = 0x8000;
    static constexpr uint32_t kExtraData = 0x10000;
    static constexpr uint32_t kJoin = 0x20000;
    static constexpr uint32_t kAttachmentA = 0x200000;
    static constexpr uint32_t kAttachmentB = 0x800000;
    static constexpr uint32_t kReadOnly = 0x1000000;
    static constexpr uint32_t kDecimalPlaces = 0x2000000;
    // No field: a number of data type 2 is shown without the locale's grouping.
    static constexpr uint32_t kNoGrouping = 0x4000000;
    // After Clear: data type, the four colours and the alignment are set.
    static constexpr uint32_t kResetMask = 0x8788;

    // Data types.
    static constexpr short kTypeText = 1;
    static constexpr short kTypeNumber = 2;
    static constexpr short kTypePlainNumber = 3;
    static constexpr short kTypeDateTime = 4;
    static constexpr short kTypeCurrency = 5;

    // Alignment bits; no horizontal bit means left, no vertical bit top.
    static constexpr uint16_t kAlignLeft = 1;
    static constexpr uint16_t kAlignRight = 2;
    static constexpr uint16_t kAlignCentre = 4;
    static constexpr uint16_t kAlignTop = 8;
    static constexpr uint16_t kAlignBottom = 16;
    static constexpr uint16_t kAlignVCentre = 32;

    // Border bits per side (left, top, right, bottom): 1, 2 and 3 pixels,
    // and the two 3-D edges.
    static constexpr uint16_t kBorderThinLeft = 0x1;
    static constexpr uint16_t kBorderThinTop = 0x2;
    static constexpr uint16_t kBorderThinRight = 0x4;
    static constexpr uint16_t kBorderThinBottom = 0x8;
    static constexpr uint16_t kBorderMediumLeft = 0x10;
    static constexpr uint16_t kBorderMediumTop = 0x20;
    static constexpr uint16_t kBorderMediumRight = 0x40;
    static constexpr uint16_t kBorderMediumBottom = 0x80;
    static constexpr uint16_t kBorderThickLeft = 0x100;
    static constexpr uint16_t kBorderThickTop = 0x200;
    static constexpr uint16_t kBorderThickRight = 0x400;
    static constexpr uint16_t kBorderThickBottom = 0x800;
    static constexpr uint16_t kBorderSunken = 0x1000;
    static constexpr uint16_t kBorderRaised = 0x2000;

    // Where a cell stands in a joined range of cells.
    struct Join {
        bool bOrigin = false;    // the top-left cell of the range
        int nRowOffset = -1;     // member: rows back to the origin (<= 0); origin: rows to the end
        int nColumnOffset = -1;  // likewise for columns
    };

    // A cleared cell (Clear).
    CGridCell();
    // A cell with no property set at all, not even those Clear sets; cheap,
    // for cells that are filled by merging.
    static CGridCell Blank();

    // Back to the reset state, extra data freed.
    void Clear();
    // Full copy: this cell's mask becomes the source's and every property
    // the source has set is copied.
    void CopyFrom(const CGridCell& source);
    // Merge: the source's mask is OR-ed into this one and every property the
    // source has set is copied; the others stay as they were.
    void MergeFrom(const CGridCell& source);

    uint32_t GetMask() const { return m_nMask; }
    void SetMask(uint32_t mask) { m_nMask = mask; }
    // True when every bit of `bits` is set.
    bool HasMask(uint32_t bits) const { return (m_nMask & bits) == bits; }

    // An empty text clears the text bit; any other text sets it and makes
    // the cell a text cell.
    void SetText(const std::string& text);
    // Text typed into a cell of `dataType`: a number, date or currency cell
    // keeps its data type and reads the text as such; others become text.
    void SetTypedText(const std::string& text, short dataType);
    // The text as stored (empty when not set).
    const std::string& GetText() const { return m_strText; }
    // The text as shown: for data type 2 built from the number and the
    // locale's conventions each time; other types show their text as stored.
    // None without the text bit.
    std::optional<std::string> GetDisplayText() const;

    // Stores a number: the text becomes empty and the cell a number cell.
    void SetNumber(double number);
    // The stored number for data types 2, 4 and 5; the text read as a number
    // for the others; 0 without text.
    double GetNumber() const;
    // Converts the cell's content to another data type (see the .cpp).
    void SetDataType(short type);
    short GetDataType() const;

    void SetLabel(const std::string& label);
    const std::string& GetLabel() const;
    void SetInputMask(const std::string& mask);
    const std::string& GetInputMask() const;
    void SetReadOnly(bool readOnly);
    bool IsReadOnly() const;
    void SetReservedValue(int value);
    int GetReservedValue() const;
    void SetDecimalPlaces(int places);
    int GetDecimalPlaces() const;
    void SetCellTypeIndex(int index);
    int GetCellTypeIndex() const;
    void SetCellTypeStyle(int style);
    int GetCellTypeStyle() const;

    void SetTextColour(const wxColour& colour);
    wxColour GetTextColour() const;
    void SetBackColour(const wxColour& colour);
    wxColour GetBackColour() const;
    void SetHighlightTextColour(const wxColour& colour);
    wxColour GetHighlightTextColour() const;
    void SetHighlightBackColour(const wxColour& colour);
    wxColour GetHighlightBackColour() const;

    void SetBorderStyle(uint16_t style);
    uint16_t GetBorderStyle() const;
    // The pen for thin borders; none means the sheet's grid-line pen.
    void SetBorderPen(const wxPen* pen);
    const wxPen* GetBorderPen() const;
    // The text's font; none means the grid's default font. Not owned.
    void SetFont(const wxFont* font);
    const wxFont* GetFont() const;
    // A bitmap drawn at the cell's left; a null bitmap clears the bit. Not owned.
    void SetBitmap(const wxBitmap* bitmap);
    const wxBitmap* GetBitmap() const;
    void SetAlignment(uint16_t alignment);
    uint16_t GetAlignment() const;

    // An owned block of bytes, copied by value.
    void SetExtraData(std::vector<uint8_t> data);
    const std::vector<uint8_t>& GetExtraData() const;
    void SetJoin(const Join& join);
    Join GetJoin() const;

    // Objects given the cell after every read. Not owned.
    void SetAttachmentA(CGridCellAttachment* attachment);
    CGridCellAttachment* GetAttachmentA() const;
    void SetAttachmentB(CGridCellAttachment* attachment);
    CGridCellAttachment* GetAttachmentB() const;

    // The grid's default sort comparison of two cells, either of which may
    // be null: negative, 0 or positive. Flags bit 2 sorts descending.
    static int Compare(const CGridCell* a, const CGridCell* b, int flags);
    static constexpr int kSortDescending = 2;

  private:
    struct BlankTag {};
    explicit CGridCell(BlankTag) {}

    // Colours are kept as 0x00BBGGRR so that a cell stays cheap to copy.
    using Rgb = uint32_t;
    static Rgb SystemRgb(int systemColour);
    void CopyProperties(const CGridCell& source, uint32_t bits);
    wxColour ColourOrSystem(uint32_t bit, Rgb rgb, int systemColour) const;

    uint32_t m_nMask = 0;
    CGridCellAttachment* m_pAttachmentA = nullptr;
    CGridCellAttachment* m_pAttachmentB = nullptr;
    double m_dNumber = 0.0;
    std::string m_strText;
    std::string m_strLabel;
    std::string m_strInputMask;
    short m_nDataType = kTypeText;
    bool m_bReadOnly = false;
    int m_nReservedValue = -1;
    int m_nDecimalPlaces = 0;
    int m_nCellTypeIndex = -1;
    int m_nCellTypeStyle = -1;
    Rgb m_clrText = 0;
    Rgb m_clrBack = 0;
    Rgb m_clrHighlightText = 0;
    Rgb m_clrHighlightBack = 0;
    uint16_t m_nBorderStyle = 0;
    const wxPen* m_pBorderPen = nullptr;
    const wxFont* m_pFont = nullptr;
    const wxBitmap* m_pBitmap = nullptr;
    uint16_t m_nAlignment = kAlignLeft;
    std::vector<uint8_t> m_extraData;
    Join m_join;

    friend class CGridPackedCellLayout;  // the memory store packs and unpacks the fields
};

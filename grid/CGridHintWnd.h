#pragma once

#include <wx/popupwin.h>

#include <string>

// A small window of one line of text that floats over the grid without
// taking the focus: the scroll hints show in it while a thumb is dragged,
// and the cell hints while the mouse rests on a cell.
class CGridHintWnd : public wxPopupWindow {
  public:
    // Placement bits: horizontally centred on x, or ending at x (else
    // starting there); vertically centred on y, or ending at y.
    static constexpr int kCentreX = 0x4;
    static constexpr int kEndAtX = 0x2;
    static constexpr int kCentreY = 0x20;
    static constexpr int kEndAtY = 0x10;

    explicit CGridHintWnd(wxWindow* parent);

    void SetText(const std::string& text, bool repaintNow);
    const std::string& GetText() const { return m_strText; }
    void SetPlacement(int bits) { m_nPlacement = bits; }
    // Places the window by (x, y) of the parent's client area, at least
    // `minimumWidth` wide and kept inside that area, and shows it.
    void MoveAndShow(int x, int y, int minimumWidth);
    // Shows the window just below and right of the mouse at `screenPoint`,
    // kept on that point's display and off the pointer.
    void ShowBelowRightOf(const wxPoint& screenPoint);

  private:
    // The window's size for the text: at least `minimumWidth` wide, one
    // line high.
    wxSize SizeForText(int minimumWidth);
    void ShowAt(const wxRect& screenRect);
    void OnPaint(wxPaintEvent& event);

    std::string m_strText;
    wxColour m_textColour;
    wxColour m_backColour;
    int m_nPlacement = 1;
};

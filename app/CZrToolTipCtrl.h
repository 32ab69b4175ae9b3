#pragma once

#include <wx/event.h>
#include <wx/eventfilter.h>
#include <wx/popupwin.h>
#include <wx/timer.h>
#include <wx/weakref.h>

#include <memory>
#include <vector>

// A custom-drawn tooltip window that serves any number of tools (controls)
// of one dialog, with its own delays, offset and placement. Create() hooks
// the dialog's mouse and key events, so that the dialog need not relay them:
// the pointer resting on a tool for the initial delay shows its tip beside
// the pointer; the tip goes after the auto-pop time, when the pointer leaves
// the tool, or at a click or a key press (and then stays away until the
// pointer reaches another tool).
class CZrToolTipCtrl : public wxPopupWindow {
  public:
    // Kinds of SetDelayTime.
    static constexpr int TTDT_AUTOPOP = 2;
    static constexpr int TTDT_INITIAL = 3;

    CZrToolTipCtrl();
    ~CZrToolTipCtrl() override;

    bool Create(wxWindow* parentWnd);
    // `rect` is in the tool's client coordinates; null means the whole tool.
    bool AddTool(wxWindow* tool, const wxString& text, const wxRect* rect, int toolId);
    // Where tips are shown relative to the pointer.
    void SetOffset(int x, int y);
    // The largest text width for tools added afterwards (0: no limit; lines
    // then break only at "\n"); tools that had the previous width get the new
    // one. Returns the previous width.
    int SetMaxWidth(int width);
    void SetDelayTime(int kind, int milliseconds);
    // Hides or schedules tips for one of the dialog's events.
    void RelayEvent(const wxEvent& event);

  protected:
    struct Tool {
        wxWeakRef<wxWindow> window;
        int id;
        wxRect rect;  // in the dialog's client coordinates
        wxString text;
        int maxWidth;
        wxColour textColour;  // invalid: the system's tooltip colours
        wxColour backColour;
    };

    // The pointer in screen coordinates; tests put it where they need it.
    virtual wxPoint GetPointerPosition() const;
    // Paints the shown tip; what the paint handler draws.
    void Draw(wxDC& dc);

    wxWindow* m_pParentWnd = nullptr;
    int m_nLeftMargin = 2;
    int m_nTopMargin = 2;
    int m_nRightMargin = 3;
    int m_nBottomMargin = 3;
    int m_nMaxWidth = 0;
    wxPoint m_ptOffset{0, 20};
    wxFont m_font;
    const Tool* m_pCurrentTool = nullptr;
    int m_nPollInterval = 500;
    int m_nAutoPop = 5000;
    int m_nElapsed = 0;
    int m_nInitialDelay = 500;
    wxColour m_clrText;
    wxColour m_clrBack;
    bool m_bHidden = false;
    std::vector<std::unique_ptr<Tool>> m_tools;
    wxTimer m_initialTimer;
    wxTimer m_pollTimer;

  private:
    // Hands the dialog's events to RelayEvent before they are processed.
    class EventRelay : public wxEventFilter {
      public:
        explicit EventRelay(CZrToolTipCtrl& tip) : m_tip(tip) {}
        int FilterEvent(wxEvent& event) override;

      private:
        CZrToolTipCtrl& m_tip;
    };

    const Tool* ToolUnderPointer() const;
    bool PointerInsideTip() const;
    void PointerMoved();
    void ShowTip();
    void HideTip();
    void OnInitialDelay(wxTimerEvent& event);
    void OnPoll(wxTimerEvent& event);
    void OnPaint(wxPaintEvent& event);
    void OnSettingsChanged(wxSysColourChangedEvent& event);

    EventRelay m_relay{*this};
    bool m_bRelaying = false;
    // What the shown tip holds.
    std::vector<wxString> m_tipLines;
    wxColour m_tipTextColour;
    wxColour m_tipBackColour;
};

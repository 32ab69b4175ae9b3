#include "CZrToolTipCtrl.h"

#include <wx/dcclient.h>
#include <wx/dcmemory.h>
#include <wx/display.h>
#include <wx/settings.h>

#include <algorithm>

#include "TextWrap.h"
#include "TipPlacement.h"

namespace {

constexpr int kInitialTimerId = 1;
constexpr int kPollTimerId = 2;

wxFont TipFont() {
    return wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
}

bool HidesTip(wxEventType type) {
    return type == wxEVT_KEY_DOWN || type == wxEVT_KEY_UP || type == wxEVT_CHAR ||
           type == wxEVT_LEFT_DCLICK || type == wxEVT_RIGHT_DOWN || type == wxEVT_RIGHT_DCLICK ||
           type == wxEVT_MIDDLE_DOWN || type == wxEVT_MIDDLE_DCLICK;
}

// The top-left corner of `window` in `dialog`'s client coordinates.
wxPoint PositionInDialog(const wxWindow* window, const wxWindow* dialog) {
    wxPoint position = window->GetPosition();
    for (const wxWindow* parent = window->GetParent(); parent != nullptr && parent != dialog;
         parent = parent->GetParent()) {
        position += parent->GetPosition() + parent->GetClientAreaOrigin();
    }
    return position;
}

// The innermost shown window under `point` (in `window`'s client
// coordinates), or `window` itself.
wxWindow* InnermostWindowAt(wxWindow* window, const wxPoint& point, const wxWindow* skip) {
    for (wxWindow* child : window->GetChildren()) {
        if (child != skip && !child->IsTopLevel() && child->IsShown() &&
            child->GetRect().Contains(point)) {
            const wxPoint inside = point - child->GetPosition() - child->GetClientAreaOrigin();
            return InnermostWindowAt(child, inside, skip);
        }
    }
    return window;
}

// Whether `window` is `ancestor` or lies inside it.
bool IsWithin(const wxWindow* window, const wxWindow* ancestor) {
    for (; window != nullptr; window = window->GetParent()) {
        if (window == ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace

int CZrToolTipCtrl::EventRelay::FilterEvent(wxEvent& event) {
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_MOTION || type == wxEVT_LEFT_DOWN || HidesTip(type)) {
        const wxWindow* window = wxDynamicCast(event.GetEventObject(), wxWindow);
        if (m_tip.m_pParentWnd != nullptr &&
            (window == &m_tip || IsWithin(window, m_tip.m_pParentWnd))) {
            m_tip.RelayEvent(event);
        }
    }
    return Event_Skip;
}

CZrToolTipCtrl::CZrToolTipCtrl()
    : m_font(TipFont()), m_initialTimer(this, kInitialTimerId), m_pollTimer(this, kPollTimerId) {}

CZrToolTipCtrl::~CZrToolTipCtrl() {
    m_initialTimer.Stop();
    m_pollTimer.Stop();
    if (m_bRelaying) {
        wxEvtHandler::RemoveFilter(&m_relay);
    }
}

bool CZrToolTipCtrl::Create(wxWindow* parentWnd) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    if (!wxPopupWindow::Create(parentWnd, wxBORDER_NONE)) {
        return false;
    }
    m_pParentWnd = parentWnd;
    SetSize(10, 10);
    SetFont(m_font);
    Bind(wxEVT_TIMER, &CZrToolTipCtrl::OnInitialDelay, this, kInitialTimerId);
    Bind(wxEVT_TIMER, &CZrToolTipCtrl::OnPoll, this, kPollTimerId);
    Bind(wxEVT_PAINT, &CZrToolTipCtrl::OnPaint, this);
    Bind(wxEVT_SYS_COLOUR_CHANGED, &CZrToolTipCtrl::OnSettingsChanged, this);
    wxEvtHandler::AddFilter(&m_relay);
    m_bRelaying = true;
    return true;
}

bool CZrToolTipCtrl::AddTool(wxWindow* tool, const wxString& text, const wxRect* rect, int toolId) {
    if (tool == nullptr || m_pParentWnd == nullptr) {
        return false;
    }
    const wxPoint origin = PositionInDialog(tool, m_pParentWnd);
    wxRect area(origin, tool->GetSize());
    if (rect != nullptr) {
        area = wxRect(origin + tool->GetClientAreaOrigin() + rect->GetPosition(), rect->GetSize());
    }
    m_tools.push_back(
        std::make_unique<Tool>(Tool{tool, toolId, area, text, m_nMaxWidth, m_clrText, m_clrBack}));
    return true;
}

void CZrToolTipCtrl::SetOffset(int x, int y) {
    m_ptOffset = wxPoint(x, y);
}

int CZrToolTipCtrl::SetMaxWidth(int width) {
    const int previous = m_nMaxWidth;
    for (const auto& tool : m_tools) {
        if (tool->maxWidth == previous) {
            tool->maxWidth = width;
        }
    }
    m_nMaxWidth = width;
    return previous;
}

void CZrToolTipCtrl::SetDelayTime(int kind, int milliseconds) {
    if (kind == TTDT_AUTOPOP) {
        m_nAutoPop = milliseconds;
    } else if (kind == TTDT_INITIAL) {
        m_nInitialDelay = milliseconds;
    }
}

void CZrToolTipCtrl::RelayEvent(const wxEvent& event) {
    const wxEventType type = event.GetEventType();
    if (HidesTip(type) || (type == wxEVT_LEFT_DOWN && !PointerInsideTip())) {
        HideTip();
        m_bHidden = true;
    } else if (type == wxEVT_MOTION) {
        PointerMoved();
    }
}

wxPoint CZrToolTipCtrl::GetPointerPosition() const {
    return wxGetMousePosition();
}

const CZrToolTipCtrl::Tool* CZrToolTipCtrl::ToolUnderPointer() const {
    if (m_pParentWnd == nullptr) {
        return nullptr;
    }
    const wxPoint point = m_pParentWnd->ScreenToClient(GetPointerPosition());
    if (!m_pParentWnd->GetClientRect().Contains(point)) {
        return nullptr;
    }
    const wxWindow* window = InnermostWindowAt(m_pParentWnd, point, this);
    for (const auto& tool : m_tools) {
        if (tool->window.get() == window && tool->rect.Contains(point)) {
            return tool.get();
        }
    }
    return nullptr;
}

bool CZrToolTipCtrl::PointerInsideTip() const {
    return IsShown() && GetScreenRect().Contains(GetPointerPosition());
}

void CZrToolTipCtrl::PointerMoved() {
    const Tool* tool = ToolUnderPointer();
    if (tool == m_pCurrentTool || PointerInsideTip()) {
        return;
    }
    if (tool == nullptr) {
        m_pCurrentTool = nullptr;
        return;
    }
    HideTip();
    m_initialTimer.Stop();
    m_pollTimer.Stop();
    m_bHidden = false;
    m_pCurrentTool = tool;
    m_initialTimer.StartOnce(m_nInitialDelay);
}

void CZrToolTipCtrl::OnInitialDelay(wxTimerEvent&) {
    m_initialTimer.Stop();
    if (m_pCurrentTool == nullptr || m_bHidden) {
        HideTip();
        return;
    }
    if (ToolUnderPointer() == m_pCurrentTool) {
        ShowTip();
        m_nElapsed = 0;
        m_pollTimer.Start(m_nPollInterval);
    }
}

void CZrToolTipCtrl::OnPoll(wxTimerEvent&) {
    if (m_pCurrentTool == nullptr || m_bHidden) {
        m_pollTimer.Stop();
        HideTip();
        return;
    }
    m_nElapsed += m_nPollInterval;
    const bool overTool = ToolUnderPointer() == m_pCurrentTool && m_nElapsed < m_nAutoPop;
    if (!overTool && !PointerInsideTip()) {
        m_pollTimer.Stop();
        HideTip();
    }
}

void CZrToolTipCtrl::ShowTip() {
    const Tool& tool = *m_pCurrentTool;
    wxBitmap scratch(1, 1);
    wxMemoryDC measure(scratch);
    measure.SetFont(m_font);
    m_tipLines = WrapText(measure, tool.text, tool.maxWidth);
    int textWidth = 0;
    for (const wxString& line : m_tipLines) {
        textWidth = std::max(textWidth, measure.GetTextExtent(line).x);
    }
    const int textHeight = measure.GetCharHeight() * static_cast<int>(m_tipLines.size());
    m_tipTextColour = tool.textColour.IsOk() ? tool.textColour
                                             : wxSystemSettings::GetColour(wxSYS_COLOUR_INFOTEXT);
    m_tipBackColour =
        tool.backColour.IsOk() ? tool.backColour : wxSystemSettings::GetColour(wxSYS_COLOUR_INFOBK);

    const wxPoint corner = GetPointerPosition() + m_ptOffset;
    const wxRect tip(corner, wxSize(textWidth + m_nLeftMargin + m_nRightMargin,
                                    textHeight + m_nTopMargin + m_nBottomMargin));
    const int display = wxDisplay::GetFromPoint(corner);
    const wxRect monitor = wxDisplay(display == wxNOT_FOUND ? 0u : unsigned(display)).GetGeometry();
    const int toolTop = tool.window ? tool.window->GetScreenRect().GetTop() : corner.y;
    SetSize(PlaceTipOnMonitor(tip, monitor, toolTop));
    Show();
    Refresh();
}

void CZrToolTipCtrl::HideTip() {
    if (IsShown()) {
        Hide();
    }
}

void CZrToolTipCtrl::Draw(wxDC& dc) {
    const wxSize size = GetClientSize();
    dc.SetPen(*wxTRANSPARENT_PEN);
    dc.SetBrush(*wxBLACK_BRUSH);
    dc.DrawRectangle(0, 0, size.x, size.y);
    dc.SetBrush(wxBrush(m_tipBackColour));
    dc.DrawRectangle(1, 1, size.x - 2, size.y - 2);
    dc.SetFont(m_font);
    dc.SetTextForeground(m_tipTextColour);
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    int y = m_nTopMargin;
    for (const wxString& line : m_tipLines) {
        dc.DrawText(line, m_nLeftMargin, y);
        y += dc.GetCharHeight();
    }
}

void CZrToolTipCtrl::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    Draw(dc);
}

void CZrToolTipCtrl::OnSettingsChanged(wxSysColourChangedEvent& event) {
    m_font = TipFont();
    SetFont(m_font);
    event.Skip();
}

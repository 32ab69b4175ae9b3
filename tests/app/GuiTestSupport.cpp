#include "GuiTestSupport.h"

#include <wx/app.h>
#include <wx/dcmemory.h>

wxColour PixelAt(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

ShownFrame::ShownFrame(const wxPoint& position, const wxSize& size)
    : m_frame(new wxFrame(nullptr, wxID_ANY, "test", position, size)) {
    m_frame->Show();
    YieldUntil([this] { return m_frame->IsShownOnScreen(); });
}

ShownFrame::~ShownFrame() {
    delete m_frame;
}

wxImage RenderClient(const wxWindow& window, const std::function<void(wxDC&)>& draw) {
    wxBitmap bitmap(window.GetClientSize(), 24);
    {
        wxMemoryDC dc(bitmap);
        draw(dc);
    }
    return bitmap.ConvertToImage();
}

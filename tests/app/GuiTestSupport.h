#pragma once

#include <wx/bitmap.h>
#include <wx/colour.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <functional>
#include <ostream>

#include "GuiTest.h"

// Helpers for the GUI tests of the application layer.

// The colour of one pixel of a bitmap.
wxColour PixelAt(const wxImage& image, int x, int y);

// A frame shown on the screen for one test, deleted afterwards with all it
// holds.
class ShownFrame {
  public:
    explicit ShownFrame(const wxPoint& position = wxPoint(40, 40),
                        const wxSize& size = wxSize(400, 300));
    ~ShownFrame();
    ShownFrame(const ShownFrame&) = delete;
    ShownFrame& operator=(const ShownFrame&) = delete;

    wxFrame* operator->() const { return m_frame; }
    wxFrame* Get() const { return m_frame; }

  private:
    wxFrame* m_frame;
};

// What `window` paints with `draw`, as pixels of its client size.
wxImage RenderClient(const wxWindow& window, const std::function<void(wxDC&)>& draw);

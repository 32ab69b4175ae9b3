#include "ResourceImages.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include <string>

#include "EmbeddedFiles.h"

namespace {

struct HotSpot {
    int resourceId;
    int x;
    int y;
};

// Where each cursor points; PNG files cannot say it themselves.
constexpr HotSpot kCursorHotSpots[] = {{1083, 5, 0}};
constexpr HotSpot kUpArrowHotSpot = {0, 4, 0};

wxImage LoadImage(const std::string& name) {
    const EmbeddedFile* file = FindEmbeddedFile(name);
    if (file == nullptr) {
        return wxImage();
    }
    if (wxImage::FindHandler(wxBITMAP_TYPE_PNG) == nullptr) {
        wxImage::AddHandler(new wxPNGHandler);
    }
    wxMemoryInputStream stream(file->bytes, file->size);
    wxImage image;
    image.LoadFile(stream, wxBITMAP_TYPE_PNG);
    return image;
}

wxImage LoadBitmapImage(int resourceId) {
    return LoadImage("bitmap_" + std::to_string(resourceId) + ".png");
}

wxCursor CursorFromImage(wxImage image, const HotSpot& hotSpot) {
    if (!image.IsOk()) {
        return wxCursor();
    }
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, hotSpot.x);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, hotSpot.y);
    return wxCursor(image);
}

}  // namespace

wxBitmap LoadResourceBitmap(int resourceId) {
    const wxImage image = LoadBitmapImage(resourceId);
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

wxBitmapBundle LoadResourceBitmapBundle(int resourceId) {
    const wxImage image = LoadBitmapImage(resourceId);
    if (!image.IsOk()) {
        return wxBitmapBundle();
    }
    const wxImage doubled =
        image.Scale(image.GetWidth() * 2, image.GetHeight() * 2, wxIMAGE_QUALITY_NEAREST);
    return wxBitmapBundle::FromBitmaps(wxBitmap(image), wxBitmap(doubled));
}

wxIconBundle LoadResourceIcon(int resourceId) {
    wxIconBundle icons;
    for (int size : {16, 32, 48}) {
        const wxImage image =
            LoadImage("icon_" + std::to_string(resourceId) + "_" + std::to_string(size) + ".png");
        if (image.IsOk()) {
            wxIcon icon;
            icon.CopyFromBitmap(wxBitmap(image));
            icons.AddIcon(icon);
        }
    }
    return icons;
}

wxCursor LoadResourceCursor(int resourceId) {
    for (const HotSpot& hotSpot : kCursorHotSpots) {
        if (hotSpot.resourceId == resourceId) {
            return CursorFromImage(LoadImage("cursor_" + std::to_string(resourceId) + ".png"),
                                   hotSpot);
        }
    }
    return wxCursor();
}

wxCursor UpArrowCursor() {
    // Made once and shared, so that every link holds the same cursor; never
    // freed, because the display may be gone when static objects are.
    static const wxCursor* const cursor =
        new wxCursor(CursorFromImage(LoadImage("cursor_up_arrow.png"), kUpArrowHotSpot));
    return *cursor;
}

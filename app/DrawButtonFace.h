#pragma once

#include <wx/colour.h>
#include <wx/dc.h>

// Item state bits of an owner-drawn button.
constexpr unsigned kItemStateSelected = 0x0001;
constexpr unsigned kItemStateFocus = 0x0010;

// What DrawButtonFace paints, and where. Right and bottom are exclusive.
struct ButtonFace {
    wxDC* dc;
    int left;
    int top;
    int right;
    int bottom;
    unsigned itemState;
    bool pressed;
    wxColour faceColour;
};

// Paints a three-dimensional push-button face: the face colour, a focus
// frame 4 pixels inside the edge when the state is exactly the focus bit,
// and raised (or, when pressed, sunken) edges in the system's shadow, dark
// shadow and highlight colours. The context's pen and brush are restored.
void DrawButtonFace(const ButtonFace& face);

#pragma once
// The plain look shared by the standard controls: classic 3D edges in the
// system colours, engraved text for disabled controls.

#include <string>

#include "platform/base/Types.h"
#include "platform/gfx/Canvas.h"

// A push button's face: raised, or sunken while pressed; a default button
// gets a dark outer frame. Fills the face and moves rect inside the edges.
void DrawButtonFace(TCanvas* canvas, TRect& rect, bool pressed, bool isDefault, TColor face);
// The two-pixel sunken edge of an entry field (edit, check box square,
// track bar channel); moves rect inside it.
void DrawSunkenEdge(TCanvas* canvas, TRect& rect);
// Text through DrawText; disabled text is engraved: a highlight copy one
// pixel down and right under the shadow colour.
void DrawControlText(TCanvas* canvas, const std::string& text, TRect rect, UINT flags, bool enabled,
                     TColor color);
// The rectangle a single-line caption takes, for the focus frame around it.
TRect CaptionExtent(TCanvas* canvas, const std::string& text, UINT flags);

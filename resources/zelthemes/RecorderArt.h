#pragma once
// The painters of the recorder's theme pictures, one design each. Every
// painter fills the whole of a 24-bit bitmap already sized for it.

#include "platform/gfx/Bitmap.h"
#include "resources/zelthemes/RecorderDesigns.h"

namespace zelthemes {

// The title pictures are as high as the title bar; the title keys sit at
// kTitleKeyTop within them. The window has a one-pixel frame and corners
// cut by a round-rectangle region kCornerSize across.
constexpr int kTitleHeight = 24;
constexpr int kTitleKeySize = 16;
constexpr int kTitleKeyTop = 4;
constexpr int kCornerSize = 9;
constexpr int kFrameWidth = 1;

// Colour of row y of the title pictures.
TColor TitleRow(const RecorderDesign& d, int y);

// Title bar: left end with the frame round the corner, the stretched
// middle, right end; and 18 keys (control box, help, maximize, restore,
// minimize, close; each normal, under the mouse, pressed).
void PaintTitleLeft(TBitmap& bmp, const RecorderDesign& d);
void PaintTitleClient(TBitmap& bmp, const RecorderDesign& d);
void PaintTitleRight(TBitmap& bmp, const RecorderDesign& d);
void PaintTitleKeys(TBitmap& bmp, const RecorderDesign& d);

// Push buttons (normal, under the mouse, pressed), check boxes and check
// lists (checked, unchecked, each enabled and disabled), radio buttons.
void PaintPushButton(TBitmap& bmp, const RecorderDesign& d);
void PaintCheckBox(TBitmap& bmp, const RecorderDesign& d);
void PaintRadioButton(TBitmap& bmp, const RecorderDesign& d);

// Bars: progress, track bar groove and sliders, side channel.
void PaintProgressBar(TBitmap& bmp, const RecorderDesign& d);
void PaintTrackBar(TBitmap& bmp, const RecorderDesign& d);
void PaintTrackSlider(TBitmap& bmp, const RecorderDesign& d);
void PaintTrackSliderVertical(TBitmap& bmp, const RecorderDesign& d);
void PaintSideChannelHandle(TBitmap& bmp, const RecorderDesign& d);
void PaintSideChannelBar(TBitmap& bmp, const RecorderDesign& d);

// Scrolling: line buttons (up, then down, each in three states), the
// thumb in three cells, the tab strip's scroll buttons; and the tabs.
void PaintScrollBarButtons(TBitmap& bmp, const RecorderDesign& d);
void PaintScrollBarThumb(TBitmap& bmp, const RecorderDesign& d);
void PaintTabScrollButtons(TBitmap& bmp, const RecorderDesign& d);
void PaintTabs(TBitmap& bmp, const RecorderDesign& d);
void PaintTabLine(TBitmap& bmp, const RecorderDesign& d);

}  // namespace zelthemes

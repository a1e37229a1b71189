#include "ZelThemeFiles.h"


#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

TBytesVec BuildZelFile(const std::vector<TItem>& items, const std::string& terminatorName) {
  return BuildItemFile(items, terminatorName, themefile::kOlderThemeFileHeader);
}

TBytesVec SampleZelTheme(int shade) {
  TBitmap strip(6, 2);
  const TColor colours[3] = {clRed, clLime, clBlue};
  for (int piece = 0; piece < 3; ++piece) {
    strip.Canvas()->Brush()->SetColor(colours[piece]);
    strip.Canvas()->FillRect({piece * 2, 0, piece * 2 + 2, 2});
  }
  return BuildZelFile({themefile::BitmapItem("ButtonImage", strip.SaveToBytes()),
                       IntegerItem("FormBackgroundColor", 0x123456 + shade), IntegerItem("FormBorderWidthInt", 3),
                       FlagItem("ButtonTransparentBool", true)});
}

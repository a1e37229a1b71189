#include "ZelThemeFiles.h"

#include <cstring>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"

TBytesVec BuildZelFile(const std::vector<TItem>& items, const std::string& terminatorName) {
  TBytesVec file = BuildItemFile(items, terminatorName);
  const char magic[12] = "ZELPack_TB";
  std::memcpy(file.data(), magic, sizeof magic);
  file[16] = 1;  // format version
  return file;
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

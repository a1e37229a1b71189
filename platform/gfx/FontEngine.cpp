#include "platform/gfx/FontEngine.h"

// Bodies arrive with the face cache; these keep callers linking meanwhile.
TTextMetric FontMetrics(const TFont&) { return {13, 11, 2, 2, 0, 6, 13}; }

TSize MeasureText(const TFont&, std::string_view utf8) {
  return {static_cast<int>(utf8.size()) * 6, 13};
}

void RenderText(TBitmap&, int, int, const TFont&, std::string_view, const TRgn*, bool) {}

#pragma once
// The display elements whose colours the options window shows and the
// settings file keeps: list line, key, the engine's colour property and
// its factory colour.

#include <array>

#include "editor/Options.h"
#include "platform/audioeditor/AudioEditor2.h"

struct TColorLine {
  const char* Line;  // on the "Colors" page
  const char* Key;   // in section "Colors"
  TColor (IAudioEditor2Colors::*Get)() const;
  void (IAudioEditor2Colors::*Set)(TColor);
  TColor EditorColors::*Factory;
};

const std::array<TColorLine, kColorLineCount>& ColorLines();

inline TColor FactoryColor(const TColorLine& line) {
  static const EditorColors factory;
  return factory.*line.Factory;
}

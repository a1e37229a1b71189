#include "editor/OptionsColors.h"

using C = IAudioEditor2Colors;
using F = EditorColors;

const std::array<TColorLine, kColorLineCount>& ColorLines() {
  static const std::array<TColorLine, kColorLineCount> lines{{
      {"Digital Waveform", "DigitalWaveForm", &C::DigitalWaveForm, &C::SetDigitalWaveForm, &F::digitalWaveForm},
      {"Analog Waveform", "AnalogWaveForm", &C::AnalogWaveForm, &C::SetAnalogWaveForm, &F::analogWaveForm},
      {"Background", "Background", &C::Background, &C::SetBackground, &F::background},
      {"Center Line", "CenterLine", &C::CenterLine, &C::SetCenterLine, &F::centerLine},
      {"Selected  Digital Waveform", "SelectDigitalWaveform", &C::SelectDigitalWaveform,
       &C::SetSelectDigitalWaveform, &F::selectDigitalWaveform},
      {"Selected Analog Waveform", "SelectAnalogWaveform", &C::SelectAnalogWaveform, &C::SetSelectAnalogWaveform,
       &F::selectAnalogWaveform},
      {"Selected Background", "SelectBackground", &C::SelectBackground, &C::SetSelectBackground,
       &F::selectBackground},
      {"Selected Center Line", "SelectCenterLine", &C::SelectCenterLine, &C::SetSelectCenterLine,
       &F::selectCenterLine},
      {"Grid", "Grid", &C::Grid, &C::SetGrid, &F::grid},
      {"Cursor", "Cursor", &C::Cursor, &C::SetCursor, &F::cursor},
      {"Play Cursor", "PlayCursor", &C::PlayCursor, &C::SetPlayCursor, &F::playCursor},
      {"Boundary", "Boundary", &C::Boundary, &C::SetBoundary, &F::boundary},
      {"Scale", "Scales", &C::Scales, &C::SetScales, &F::scales},
      {"Font", "Font", &C::Font, &C::SetFont, &F::font},
      {"CueMarker", "CueMarker", &C::CueMarker, &C::SetCueMarker, &F::cueMarker},
      {"RangeMarker", "RangeMarker", &C::RangeMarker, &C::SetRangeMarker, &F::rangeMarker},
      {"RangeMarkerBackground", "RangeMarkerBackground", &C::RangeMarkerBackground, &C::SetRangeMarkerBackground,
       &F::rangeMarkerBackground},
  }};
  return lines;
}

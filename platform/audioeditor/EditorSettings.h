#pragma once
// Plain settings of the editor component that its sub-objects change.

#include "platform/gfx/Color.h"

struct EditorColors {
  TColor digitalWaveForm = RGB(28, 240, 171);
  TColor analogWaveForm = RGB(0, 126, 86);
  TColor background = RGB(0, 0, 0);
  TColor centerLine = RGB(164, 38, 38);
  TColor selectDigitalWaveform = RGB(32, 71, 96);
  TColor selectAnalogWaveform = RGB(0, 0, 172);
  TColor selectBackground = RGB(255, 255, 255);
  TColor selectCenterLine = RGB(164, 38, 38);
  TColor grid = RGB(4, 44, 79);
  TColor cursor = RGB(255, 255, 0);
  TColor playCursor = RGB(220, 220, 220);
  TColor boundary = RGB(111, 135, 159);
  TColor scales = RGB(216, 229, 250);
  TColor font = RGB(0, 0, 0);
  TColor cueMarker = RGB(255, 125, 125);
  TColor rangeMarker = RGB(36, 188, 255);
  TColor rangeMarkerBackground = RGB(65, 65, 65);
};

struct ScaleSettings {
  bool visible = true;
  bool gridVisible = true;
  int scaleType = 1;
};

// Horizontal scale types.
constexpr int kScaleSamples = 1;
constexpr int kScaleMilliseconds = 2;
// Vertical scale types.
constexpr int kScaleValues = 1;
constexpr int kScaleNormalised = 2;
constexpr int kScaleDecibels = 3;

struct DeviceBuffers {
  int sizeMs = 500;
  int count = 4;
  int tickMs = 50;
};

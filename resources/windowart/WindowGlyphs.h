#pragma once
// The little pictures on the recorder's and the editor's buttons and backgrounds,
// as shapes centred on (cx, cy) and about `size` across.

#include "resources/art/Painter.h"

namespace windowart {

enum class Glyph {
  Player, Recorder, Folder, Options, Help, Mail, Play, Pause, Stop, Record, Minimize, Close, DropDown,
  Splitter, Joiner, Burn, Editor, Speaker, SpeakerMuted, Equalizer, EqualizerOff, AudioFile,
  // The splitter's and joiner's list and position keys.
  Add, AddAll, Remove, RemoveAll, StepBack, StepForward, PlayBefore, PlayAfter, Goto, Preview,
  Up, Down, First, Last,
  // The burner's writer and burn-list keys.
  Drive, Save,
  // The editor's toolbar keys.
  NewFile, Copy, Cut, Paste, PasteMix, Undo, Redo, ZoomIn, ZoomOut, ZoomFull, LeftChannel, RightChannel,
  AmplifyPlus, AmplifyMinus, FadeIn, FadeOut, Normalize, InsertSilence, Silence, Invert, Flanger, Vibrato,
  Delay, NotchFilter, BandPassFilter, HighPassFilter, LowPassFilter, HighShelfFilter, LowShelfFilter, FftFilter,
  // The editor's transport keys beside the shared ones.
  PlayLoop, Information
};

art::Shape GlyphShape(Glyph glyph, double cx, double cy, double size);

}  // namespace windowart

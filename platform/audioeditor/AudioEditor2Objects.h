#pragma once
// The sub-objects of the editor component, each a view onto one side of
// it: position and selection, file information and tags, channel
// visibility, cue markers, colours, the two scales and the two devices.
// They live as long as their editor. Positions and lengths count frames.

#include "platform/audioeditor/EditorSettings.h"
#include "platform/base/Types.h"

#include <cstdint>
#include <string>

class TAudioEditor2;
namespace detail {
struct CueMarker;
}

class IAudioEditor2Position {
 public:
  explicit IAudioEditor2Position(TAudioEditor2& editor) : editor_(editor) {}
  // 0 when there is no document.
  std::int64_t Length() const;
  bool HasSelection() const;
  // Each end is clamped to the document and stored as given: a start
  // written after the end makes no selection until the end follows.
  std::int64_t SelectionStart() const;
  void SetSelectionStart(std::int64_t frame);
  std::int64_t SelectionEnd() const;
  void SetSelectionEnd(std::int64_t frame);
  // The cursor; moving it leaves the selection alone.
  std::int64_t CurrentPosition() const;
  void SetCurrentPosition(std::int64_t frame);
  // While false the view is not repainted for cursor moves (a save in blocks).
  bool DisplayUpdate() const;
  void SetDisplayUpdate(bool value);
  // samples x 1000 div the sample rate.
  std::int64_t SamplesToMs(std::int64_t samples) const;

 private:
  TAudioEditor2& editor_;
};

class IAudioEditor2FileInfo {
 public:
  explicit IAudioEditor2FileInfo(TAudioEditor2& editor) : editor_(editor) {}
  int SampleRate() const;
  int Channels() const;
  // The format of the file opened or last saved; never blank while there
  // is a document.
  std::string FormatText() const;

  std::string Title() const;
  void SetTitle(const std::string& value);
  std::string Artist() const;
  void SetArtist(const std::string& value);
  std::string Album() const;
  void SetAlbum(const std::string& value);
  // Index into the standard genre list (GenreName), -1 for none.
  int Genre() const;
  void SetGenre(int value);
  std::string Copyright() const;
  void SetCopyright(const std::string& value);
  int Year() const;
  void SetYear(int value);
  int Track() const;
  void SetTrack(int value);
  std::string Comment() const;
  void SetComment(const std::string& value);
  std::string Composer() const;
  void SetComposer(const std::string& value);
  std::string EncodedBy() const;
  void SetEncodedBy(const std::string& value);
  std::string URL() const;
  void SetURL(const std::string& value);
  // The name of genre index 0..141; empty for other indexes.
  std::string GenreName(int index) const;

  // Whether saving writes the tags and the cue markers.
  bool AudioInfoEnabled() const;
  void SetAudioInfoEnabled(bool value);

 private:
  TAudioEditor2& editor_;
};

class IAudioEditor2Channel {
 public:
  explicit IAudioEditor2Channel(TAudioEditor2& editor) : editor_(editor) {}
  // 1 left, 2 right: the channel Visible reads and writes.
  int Index() const { return index_; }
  void SetIndex(int value);
  bool Visible() const;
  void SetVisible(bool value);

 private:
  TAudioEditor2& editor_;
  int index_ = 1;
};

class IAudioEditor2Markers {
 public:
  explicit IAudioEditor2Markers(TAudioEditor2& editor) : editor_(editor) {}
  int Count() const;
  // The marker the other properties address, 1-based; 0 when none.
  int Current() const;
  void SetCurrent(int index);
  // Reading without a current marker gives 0 or ""; writing raises.
  std::int64_t Position() const;
  void SetPosition(std::int64_t frame);  // raises outside the document
  std::int64_t Length() const;
  void SetLength(std::int64_t frames);   // raises when negative
  std::string Label() const;
  void SetLabel(const std::string& value);
  std::string Note() const;
  void SetNote(const std::string& value);
  std::string Text() const;
  void SetText(const std::string& value);
  // Adds a marker after the others and makes it current. The four
  // trailing values are accepted as callers pass them.
  void AddMarker(std::int64_t position, std::int64_t length, const std::string& label, const std::string& note,
                 const std::string& text, int = -1, int = -1, int = -1, int = -1);
  // Deletes the current marker; the one after it becomes current.
  void DeleteMarker();

 private:
  // The current marker; raises when there is none.
  detail::CueMarker& Writable();
  const detail::CueMarker* Readable() const;
  TAudioEditor2& editor_;
};

class IAudioEditor2Colors {
 public:
  explicit IAudioEditor2Colors(TAudioEditor2& editor) : editor_(editor) {}
  TColor DigitalWaveForm() const { return colors().digitalWaveForm; }
  void SetDigitalWaveForm(TColor c) { Set(&EditorColors::digitalWaveForm, c); }
  TColor AnalogWaveForm() const { return colors().analogWaveForm; }
  void SetAnalogWaveForm(TColor c) { Set(&EditorColors::analogWaveForm, c); }
  TColor Background() const { return colors().background; }
  void SetBackground(TColor c) { Set(&EditorColors::background, c); }
  TColor CenterLine() const { return colors().centerLine; }
  void SetCenterLine(TColor c) { Set(&EditorColors::centerLine, c); }
  TColor SelectDigitalWaveform() const { return colors().selectDigitalWaveform; }
  void SetSelectDigitalWaveform(TColor c) { Set(&EditorColors::selectDigitalWaveform, c); }
  TColor SelectAnalogWaveform() const { return colors().selectAnalogWaveform; }
  void SetSelectAnalogWaveform(TColor c) { Set(&EditorColors::selectAnalogWaveform, c); }
  TColor SelectBackground() const { return colors().selectBackground; }
  void SetSelectBackground(TColor c) { Set(&EditorColors::selectBackground, c); }
  TColor SelectCenterLine() const { return colors().selectCenterLine; }
  void SetSelectCenterLine(TColor c) { Set(&EditorColors::selectCenterLine, c); }
  TColor Grid() const { return colors().grid; }
  void SetGrid(TColor c) { Set(&EditorColors::grid, c); }
  TColor Cursor() const { return colors().cursor; }
  void SetCursor(TColor c) { Set(&EditorColors::cursor, c); }
  TColor PlayCursor() const { return colors().playCursor; }
  void SetPlayCursor(TColor c) { Set(&EditorColors::playCursor, c); }
  TColor Boundary() const { return colors().boundary; }
  void SetBoundary(TColor c) { Set(&EditorColors::boundary, c); }
  TColor Scales() const { return colors().scales; }
  void SetScales(TColor c) { Set(&EditorColors::scales, c); }
  TColor Font() const { return colors().font; }
  void SetFont(TColor c) { Set(&EditorColors::font, c); }
  TColor CueMarker() const { return colors().cueMarker; }
  void SetCueMarker(TColor c) { Set(&EditorColors::cueMarker, c); }
  TColor RangeMarker() const { return colors().rangeMarker; }
  void SetRangeMarker(TColor c) { Set(&EditorColors::rangeMarker, c); }
  TColor RangeMarkerBackground() const { return colors().rangeMarkerBackground; }
  void SetRangeMarkerBackground(TColor c) { Set(&EditorColors::rangeMarkerBackground, c); }

 private:
  const EditorColors& colors() const;
  void Set(TColor EditorColors::*member, TColor value);
  TAudioEditor2& editor_;
};

class IAudioEditor2Scale {
 public:
  IAudioEditor2Scale(TAudioEditor2& editor, ScaleSettings& settings) : editor_(editor), settings_(settings) {}
  bool Visible() const { return settings_.visible; }
  void SetVisible(bool value);
  bool GridVisible() const { return settings_.gridVisible; }
  void SetGridVisible(bool value);
  // Horizontal: 1 samples, 2 milliseconds. Vertical: 1 sample values,
  // 2 normalised values, 3 dB. Other values raise.
  int ScaleType() const { return settings_.scaleType; }
  void SetScaleType(int value);

 private:
  TAudioEditor2& editor_;
  ScaleSettings& settings_;
};

class IAudioEditor2Device {
 public:
  explicit IAudioEditor2Device(DeviceBuffers& buffers) : buffers_(buffers) {}
  // Values outside their ranges are clamped into them.
  int BufferSize() const { return buffers_.sizeMs; }  // 100..10000 ms in all
  void SetBufferSize(int ms);
  int BufferCount() const { return buffers_.count; }  // 1..100
  void SetBufferCount(int count);
  int BufferTick() const { return buffers_.tickMs; }  // 10..1000 ms
  void SetBufferTick(int ms);

 private:
  DeviceBuffers& buffers_;
};

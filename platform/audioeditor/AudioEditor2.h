#pragma once
// TAudioEditor2: the audio editor component. It holds one document in
// memory, edits it with undo and redo, runs the effects, plays and records
// through the audio layer's devices, opens and saves files, and shows the
// document as a waveform or a spectrogram with selection, cursor, scales
// and markers.
//
// Positions and lengths count frames (samples per channel). Long
// operations report progress through OnBlockOperation; a caller that
// pumps messages there may see further calls arrive meanwhile: a call that
// would change the document is then refused with an "Engine busy" error.
// Events come on the GUI thread. Errors raise Exception with the reason.

#include "platform/audio/AudioTypes.h"
#include "platform/audioeditor/AudioEditor2Effects.h"
#include "platform/audioeditor/AudioEditor2Objects.h"
#include "platform/audioeditor/DocumentEffects.h"
#include "platform/audioeditor/EditHistory.h"
#include "platform/audioeditor/EditorSettings.h"
#include "platform/audioeditor/FileTags.h"
#include "platform/framework/Controls.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class TScrollBar;

namespace detail {
class EditorTransport;
class EditorView;
}  // namespace detail

class TAudioEditor2 : public TCustomControl {
 public:
  // Play modes.
  static constexpr int kPlaySelection = 1;  // the selection, else from the cursor to the end
  static constexpr int kPlayToEnd = 2;      // from the cursor (or the selection's start) to the end
  static constexpr int kPlayLoop = 3;       // the selection (else all) over and over
  // Record mode: insert what is recorded at the cursor.
  static constexpr int kRecordInsert = 2;
  // TypeView values.
  static constexpr int kViewWaveform = 0;
  static constexpr int kViewSpectral = 1;

  explicit TAudioEditor2(TComponent* owner);
  ~TAudioEditor2() override;
  std::string ClassName() const override { return "TAudioEditor2"; }

  // Document. OpenFile reads the whole file (WAV, MP3, MP2, OGG, WMA) with
  // its tags and markers; SaveFile writes the format its name's extension
  // says, replacing the file only once all is written.
  void OpenFile(const std::string& name, int mode = 0);
  void NewFile(int sampleRate, int channels);
  void SaveFile(const std::string& name, int mode = 0, int options = 0);
  // Resamples and remixes the whole document; one undo step.
  void ConvertFormat(int sampleRate, int channels);
  // count frames from the cursor, interleaved 16-bit (fewer at the end);
  // the cursor does not move.
  TSampleBlock ReadBlock(std::int64_t count);

  // Transport.
  void Play(int mode);
  void Record(int mode);
  void Stop();
  void Pause();
  void Resume();
  bool Playing() const;
  bool Recording() const;
  bool Paused() const;
  // Where playback is, in document frames.
  std::int64_t PlayPosition() const;

  // View.
  void ZoomIn();
  void ZoomOut();
  void ZoomFull();
  int TypeView() const { return typeView_; }
  void SetTypeView(int value);  // raises outside 0..1

  // Editing. Commands without a document or without the selection they
  // need do nothing.
  void Undo();
  void Redo();
  void Copy();
  void Cut();
  // Inserts the clipboard at the cursor, in place of the selection if
  // there is one, converted to the document's format; selects it.
  void Paste();
  // Mixes the clipboard in from the cursor: document and clipboard at
  // their percentages.
  void PasteMix(float documentLevel, float clipboardLevel);
  void PasteFromFile(const std::string& name);
  void MixFromFile(const std::string& name, float documentLevel, float fileLevel);
  // The selection (or all) to the system clipboard as a WAV image, and back.
  void CopyToWindowsClipboard();
  void PasteFromWindowsClipboard();
  int UndoRedoCount() const { return history_.Depth(); }
  void SetUndoRedoCount(int depth) { history_.SetDepth(depth); }
  bool CanUndo() const { return history_.CanUndo(); }
  bool CanRedo() const { return history_.CanRedo(); }

  // A folder for temporary files (the system clipboard's WAV images); a
  // folder that does not exist is not taken.
  std::string TempDirectory() const { return tempDirectory_; }
  void SetTempDirectory(const std::string& folder);

  IAudioEditor2Position* Position() { return &position_; }
  IAudioEditor2FileInfo* FileInfo() { return &fileInfo_; }
  IAudioEditor2Channel* Channel() { return &channel_; }
  IAudioEditor2Markers* Markers() { return &markers_; }
  IAudioEditor2Effects* Effects() { return &effects_; }
  IAudioEditor2Colors* Colors() { return &colors_; }
  IAudioEditor2Scale* ScaleX() { return &scaleX_; }
  IAudioEditor2Scale* ScaleY() { return &scaleY_; }
  IAudioEditor2Device* PlaybackDevice() { return &playbackDevice_; }
  IAudioEditor2Device* RecordingDevice() { return &recordingDevice_; }

  // Levels 0..100 of what is played or recorded.
  std::function<void(TObject* Sender, float LevelLeft, float LevelRight)> OnMeter;
  std::function<void(TObject* Sender, short Percent)> OnBlockOperation;
  TNotifyEvent OnEndOperation;
  // After every change of the cursor or the selection.
  TNotifyEvent OnChangePosition;

  // What the view shows: the first frame at the left edge and the frames
  // per pixel column.
  std::int64_t ViewStart() const { return viewStart_; }
  double FramesPerPixel() const;
  // Frames the document holds (0 without one).
  const detail::AudioDocument& Document() const { return state_.document; }

 protected:
  void Paint() override;
  void Resize() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void WndProc(TMessage& message) override;

 private:
  friend class IAudioEditor2Position;
  friend class IAudioEditor2FileInfo;
  friend class IAudioEditor2Channel;
  friend class IAudioEditor2Markers;
  friend class IAudioEditor2Colors;
  friend class IAudioEditor2Scale;
  friend class IAudioEditor2Effects;
  friend class detail::EditorTransport;
  friend class detail::EditorView;

  // Marks the engine busy for a document-changing call; raises "Engine
  // busy" when it already is.
  class BusyScope {
   public:
    explicit BusyScope(TAudioEditor2& editor);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

   private:
    TAudioEditor2& editor_;
  };

  bool HasDocument() const { return state_.document.Length() > 0; }
  bool HasSelection() const { return state_.selectionEnd > state_.selectionStart; }
  // The selection, or the whole document when nothing is selected.
  detail::EffectRange SelectedRange() const;
  // Runs a long operation: busy, progress events, then OnEndOperation.
  void RunOperation(const std::function<void(const std::function<void(int)>& progress)>& work);
  // Makes `next` the current state as one undo step.
  void Commit(detail::EditState next);
  void ReplaceDocument(detail::AudioDocument document);
  // The clipboard or a file's audio in the document's format.
  detail::AudioDocument InDocumentFormat(const detail::AudioDocument& audio,
                                         const std::function<void(int)>& progress) const;
  void InsertAudio(const detail::AudioDocument& audio, const std::function<void(int)>& progress);
  void MixAudio(const detail::AudioDocument& audio, float documentLevel, float audioLevel,
                const std::function<void(int)>& progress);
  void PositionChanged();
  void DocumentChanged();
  void Refresh();
  void RequireNotRecording() const;

  detail::EditState state_;
  detail::EditHistory history_;
  detail::AudioDocument clipboard_;
  detail::FileTags tags_;
  // The format of the file opened or saved last, while the document still has it.
  struct FormatOrigin {
    std::string text;
    int sampleRate = 0;
    int channels = 0;
  } format_;
  std::string FormatText() const;
  bool audioInfoEnabled_ = true;
  int currentMarker_ = 0;
  std::string tempDirectory_;
  bool busy_ = false;
  bool displayUpdate_ = true;

  // View state.
  int typeView_ = kViewWaveform;
  std::array<bool, 2> channelVisible_{true, true};
  EditorColors colorSettings_;
  ScaleSettings scaleXSettings_{true, true, kScaleMilliseconds};
  ScaleSettings scaleYSettings_{true, true, kScaleNormalised};
  std::int64_t viewStart_ = 0;
  double framesPerPixel_ = 0;  // 0: the whole document fits
  DeviceBuffers playbackBuffers_, recordingBuffers_;

  IAudioEditor2Position position_{*this};
  IAudioEditor2FileInfo fileInfo_{*this};
  IAudioEditor2Channel channel_{*this};
  IAudioEditor2Markers markers_{*this};
  IAudioEditor2Effects effects_{*this};
  IAudioEditor2Colors colors_{*this};
  IAudioEditor2Scale scaleX_{*this, scaleXSettings_};
  IAudioEditor2Scale scaleY_{*this, scaleYSettings_};
  IAudioEditor2Device playbackDevice_{playbackBuffers_};
  IAudioEditor2Device recordingDevice_{recordingBuffers_};

  std::unique_ptr<detail::EditorView> view_;
  std::unique_ptr<detail::EditorTransport> transport_;
};

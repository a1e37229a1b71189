#pragma once
// Playback and recording of the editor component, through the audio
// layer's player and recorder. Playback reads a snapshot of the document
// taken at Play, so editing meanwhile is safe; recording gathers what is
// captured and inserts it at the cursor as one undo step when it stops.

#include "platform/audio/AudioPlayer2.h"
#include "platform/audio/AudioRecord2.h"
#include "platform/audioeditor/AudioDocument.h"

#include <cstdint>
#include <memory>
#include <vector>

class TAudioEditor2;

namespace detail {

class EditorTransport {
 public:
  explicit EditorTransport(TAudioEditor2& editor);
  ~EditorTransport();

  void Play(int mode);
  void Record(int mode);
  void Stop();
  void Pause();
  void Resume();
  bool Playing() const { return playing_; }
  bool Recording() const { return recording_; }
  bool Paused() const { return paused_; }
  // The document frame being heard; -1 when nothing plays.
  std::int64_t PlayPosition() const;

 private:
  void StartPlayer(std::int64_t from);
  void StopPlayer();
  void Feed();
  void PlayerTimer(int played, int left, int right);
  void PlayerEnded();
  void RecordedBlock();
  void FinishRecording();
  std::int64_t BlockFrames(int sampleRate) const;

  TAudioEditor2& editor_;
  std::unique_ptr<TAudioPlayer2> player_;
  std::unique_ptr<TAudioRecord2> recorder_;

  // Playback: the snapshot, the range played and where feeding stands.
  AudioDocument snapshot_;
  std::int64_t rangeFrom_ = 0, rangeTo_ = 0;
  std::int64_t startFrame_ = 0;  // document frame at the player's position 0
  std::int64_t nextFeed_ = 0;
  std::int64_t fed_ = 0;         // frames handed to the player since Play
  bool loop_ = false;
  bool playing_ = false;
  bool paused_ = false;
  bool endGiven_ = false;
  std::int64_t pausedAt_ = 0;
  std::int64_t heard_ = 0;  // frames heard since the player started

  // Recording.
  bool recording_ = false;
  std::int64_t recordAt_ = 0;
  std::vector<TrackBuilder> recorded_;
  std::int64_t recordedFrames_ = 0;
};

}  // namespace detail

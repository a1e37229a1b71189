#pragma once
// The splitter's timeline: the whole length of the source file, a cursor
// with a thumb above and below it that the user drags, the split points,
// and the sections between them (unticked ones and the selected one
// filled in). Positions are milliseconds.

#include <cstdint>
#include <memory>

#include "platform/framework/ExtCtrls.h"
#include "recorder/SplitPoints.h"

class TMyTrackBar : public TPanel {
 public:
  explicit TMyTrackBar(TComponent* owner);
  ~TMyTrackBar() override;
  std::string ClassName() const override { return "TMyTrackBar"; }

  // Leaves the start and the new end as the only points.
  void SetLength(std::int64_t end);
  void SetStart(std::int64_t start) { start_ = start; }
  void SetPosition(std::int64_t ms);
  void AddPoint(std::int64_t ms);
  void AddPointAtPosition() { AddPoint(position_); }
  void DeletePoint(int index, bool keepFlags);
  void ClearPoints();
  void SetPointUse(int index, bool use);
  void SetHighlight(int section);
  void GotoPoint(int index);
  void StepBackward() { SetPosition(position_ - Scale().Step()); }
  void StepForward() { SetPosition(position_ + Scale().Step()); }

  void SetBackground(const TBitmap* bitmap);
  void SetThumbImages(const TBitmap* top, const TBitmap* bottom);
  void SetCursorImages(const TBitmap* cursor, const TBitmap* mark);
  void SetSectionImages(const TBitmap* unchecked, const TBitmap* selected);

  const TSplitPoints& Points() const { return points_; }
  std::int64_t Position() const { return position_; }
  std::int64_t Start() const { return start_; }
  std::int64_t End() const { return end_; }
  std::int64_t Step() const { return Scale().Step(); }
  int CursorX() const { return cursorX_; }
  int Highlight() const { return highlight_; }
  TImage* TopThumb() const { return topThumb_; }
  TImage* BottomThumb() const { return bottomThumb_; }
  TPaintBox* PaintBox() const { return paintBox_; }

  TNotifyEvent OnPositionChange;
  TNotifyEvent OnPointsChange;

 protected:
  void Resize() override;

 private:
  TTimelineScale Scale() const;
  void MoveThumbs(int left);
  void PaintTimeline();
  void PointsChanged();
  void ThumbDown(TMouseButton button, int x);
  void ThumbMove(int x);

  TPaintBox* paintBox_;
  TImage* topThumb_;
  TImage* bottomThumb_;
  std::unique_ptr<TBitmap> background_, cursor_, mark_, unchecked_, selected_;
  TSplitPoints points_;
  std::int64_t start_ = 0;
  std::int64_t end_ = 0;
  std::int64_t position_ = 0;
  int cursorX_ = 16;
  int highlight_ = -1;
  bool dragging_ = false;
  int dragStart_ = 0;
};

#pragma once
// What every skinned control keeps about its look: the look (UIStyle)
// and theme component (FileTheme) it publishes and where they send it for
// its pictures and colours; for the framed controls also the border
// colour they give and the frame painted in it, and the themed scroll
// bars ("companions") laid over the control's edges in place of its
// native bars and kept in step with them on whatever window it lives.
//
// The link is a component of its own (owned by no one) so that it hears
// of its theme component and companions going away; the control keeps
// it for its whole life and hands it every message (ZELThemed.h).

#include <functional>

#include "platform/framework/Component.h"
#include "platform/framework/Controls.h"
#include "platform/framework/ScrollInfo.h"
#include "skin/ZELLookSource.h"

class TzelFileTheme;
class TzelScrollBar;

// How a control wants its companions treated.
struct TzelCompanionRules {
  // The companions take the control's theme component with its look;
  // otherwise only the look, keeping their own theme component.
  bool shareTheme = true;
  // A native bar with nothing to scroll hides its companion; otherwise
  // the companion stays, disabled and without its slider.
  bool hideIdle = true;
  // The horizontal companion steps by three of the native bar's pages.
  bool horizontalStepsByPages = false;
  // Given to a companion when it is attached; 0 leaves its own.
  int smallChange = 0;
};

class TzelThemeLink : public TComponent {
 public:
  explicit TzelThemeLink(TWinControl& control);
  ~TzelThemeLink() override;
  std::string ClassName() const override { return "TzelThemeLink"; }

  // ---- The look ----
  TzelUIStyle UIStyle() const { return uiStyle_; }
  // Stores and applies the look: the border colour (element 25, or the
  // editor's theme-file colour 22), the companions' look, OnApply, repaint.
  void SetUIStyle(TzelUIStyle value);
  TzelFileTheme* FileTheme() const { return fileTheme_; }
  // Stores, watches for its removal (then nil and DeepBlue) and applies.
  void SetFileTheme(TzelFileTheme* value);
  TColor BorderColor() const { return borderColor_; }
  void SetBorderColor(TColor value);
  TzelLookSource Source() const { return TzelLookSource(fileTheme_, uiStyle_); }
  // Whether the frame is painted after the control paints (framed
  // controls).
  void SetPaintsFrame(bool value) { paintsFrame_ = value; }

  // Reads what the control takes from its look beyond the border colour.
  std::function<void(const TzelLookSource& source)> OnApply;

  // ---- The companions ----
  void SetCompanionRules(const TzelCompanionRules& rules) { rules_ = rules; }
  // SB_VERT or SB_HORZ; not owned.
  TzelScrollBar* Companion(int bar) const { return bar == SB_VERT ? vertical_ : horizontal_; }
  // Releases the previous companion (no handler, LineButton 0, Max 100,
  // enabled), then attaches the new one and places it.
  void SetCompanion(int bar, TzelScrollBar* value);
  // Lays the companions over the control's edges (OnPlace), then brings
  // them in step. Nothing while the control loads.
  void PlaceCompanions();
  // Copies the native bars' state to the companions: thumb length, range
  // and position; nothing while a companion scrolls the control.
  void SyncCompanions();

  // Lays the companions out; the link has them in step afterwards.
  std::function<void()> OnPlace;
  // Scrolls the control to the companion that moved; by default a
  // thumb-position scroll message to the position, then a repaint.
  std::function<void(TzelScrollBar& companion, int bar)> OnCompanionMoved;
  // After a companion came or went.
  std::function<void()> OnCompanionsChanged;

  // ---- Messages, from the control ----
  void BeforeMessage(const TMessage& message);
  void AfterMessage(const TMessage& message);
  // The control's window exists now, with its native bars set up.
  void WindowCreated() { SyncCompanions(); }
  void Loaded() { PlaceCompanions(); }

  void Notification(TComponent* component, TOperation operation) override;

 private:
  void ApplyLook();
  TzelScrollBar*& Slot(int bar) { return bar == SB_VERT ? vertical_ : horizontal_; }
  void SyncCompanion(TzelScrollBar& companion, int bar);
  void CompanionMoved(int bar);
  void HideCompanions();
  static bool MayScroll(const TMessage& message, bool leftButtonHeld);

  TWinControl& control_;
  TzelUIStyle uiStyle_ = DeepBlue;
  TzelFileTheme* fileTheme_ = nullptr;
  TColor borderColor_ = clBlack;
  bool paintsFrame_ = false;

  TzelCompanionRules rules_;
  TzelScrollBar* horizontal_ = nullptr;
  TzelScrollBar* vertical_ = nullptr;
  bool syncing_ = false;    // the companions are being set from the native bars
  bool scrolling_ = false;  // the control scrolls itself to a companion
  bool leftButtonHeld_ = false;
};

// Whether a list's companions stand on its left edge: right-to-left
// reading other than reading-only, on a right-to-left system.
bool ScrollBarsOnLeft(const TControl& control);

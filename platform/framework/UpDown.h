#pragma once
// The up-down control (a "spin"): two small arrow buttons stacked, which
// step a position between Min and Max. With an associated edit it sits
// at the edit's right edge and keeps the edit's text as the number; the
// Up and Down keys in that edit step it too (ArrowKeys), also when the
// edit is read-only. Each step is first offered to the control itself as
// UDN_DELTAPOS (CN_NOTIFY), where OnChanging may refuse it; a done step
// is told to the parent as WM_VSCROLL and fires OnClick.

#include <functional>
#include <memory>
#include <string>

#include "platform/framework/Controls.h"
#include "platform/framework/NativeControls.h"

constexpr UINT UDM_SETRANGE32 = WM_USER + 111;  // wParam: low, lParam: high
constexpr UINT UDM_GETRANGE32 = WM_USER + 112;  // wParam: int* low, lParam: int* high
constexpr UINT UDM_SETPOS32 = WM_USER + 113;    // lParam: position; answers the previous one
constexpr UINT UDM_GETPOS32 = WM_USER + 114;    // lParam: BOOL* set when the text is no number

constexpr UINT UDN_FIRST = 0U - 721U;
constexpr UINT UDN_DELTAPOS = UDN_FIRST - 1;

constexpr DWORD UDS_WRAP = 0x0001;
constexpr DWORD UDS_SETBUDDYINT = 0x0002;
constexpr DWORD UDS_ALIGNRIGHT = 0x0004;
constexpr DWORD UDS_ARROWKEYS = 0x0020;
constexpr DWORD UDS_NOTHOUSANDS = 0x0080;

// UDN_DELTAPOS: the position before the step and the step asked for.
struct NMUPDOWN {
  NMHDR hdr;
  int iPos = 0;
  int iDelta = 0;
};

enum TUDBtnType { btNext, btPrev };

using TUDClickEvent = std::function<void(TObject* Sender, TUDBtnType Button)>;
using TUDChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TUpDown : public TWinControl {
 public:
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;
  std::string ClassName() const override { return "TUpDown"; }

  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  // The number the associated edit holds, brought into the range; text
  // that is no number reads as the last good position.
  int Position() const;
  void SetPosition(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }
  bool Wrap() const { return wrap_; }
  void SetWrap(bool value) { wrap_ = value; }
  // Digits in groups of three with a separator in the associated text.
  bool Thousands() const { return thousands_; }
  void SetThousands(bool value);
  bool ArrowKeys() const { return arrowKeys_; }
  void SetArrowKeys(bool value) { arrowKeys_ = value; }

  // One step as the user makes it: btNext towards Max.
  void Step(TUDBtnType button);
  // The button under a client point.
  TUDBtnType ButtonAt(int y) const;

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

  void Notification(TComponent* component, TOperation operation) override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void PaintWindow(HDC dc) override;
  void Dispatch(TMessage& message) override;
  void DefaultHandler(TMessage& message) override;
  void WMButtonDown(TMessage& message, TMouseButton button, bool doubleClick) override;
  void WMButtonUp(TMessage& message, TMouseButton button) override;
  void WMMouseMove(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMCancelMode(TMessage& message) override;
  // Offers a step as UDN_DELTAPOS; a hook may change it.
  virtual bool CanChange(int& delta);
  virtual void Click(TUDBtnType button);

 private:
  struct THook;
  void HookAssociate();
  void UnhookAssociate();
  void AssociateWindowProc(TMessage& message);
  void PlaceBesideAssociate();
  // Reads the associated text into the position when it holds a number.
  void SyncFromAssociate() const;
  void ShowInAssociate();
  std::string FormatNumber(int value) const;
  int Clamp(int value) const;
  void StopRepeat();

  TWinControl* associate_ = nullptr;
  std::shared_ptr<THook> hook_;
  int min_ = 0;
  int max_ = 100;
  mutable int position_ = 0;
  mutable std::string seenText_;
  int increment_ = 1;
  bool wrap_ = false;
  bool thousands_ = false;
  bool arrowKeys_ = true;
  bool pressed_ = false;
  TUDBtnType pressedButton_ = btNext;
  bool pointerOnPressed_ = false;
};

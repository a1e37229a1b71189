// Helpers around controls and windows: the background behind a control,
// window borders, text shortening, the work area, title-bar activity,
// geometry and passing a look down to child controls.

#include "skin/ZELPublic.h"

#include "platform/framework/Forms.h"
#include "platform/framework/ListControls.h"
#include "platform/framework/ScrollInfo.h"
#include "platform/gfx/Canvas.h"
#include "platform/win/WinApi.h"

namespace {

// The byte offset after the UTF-8 character that starts at `from`.
std::size_t NextCharacter(const std::string& text, std::size_t from) {
  std::size_t next = from + 1;
  while (next < text.size() && (static_cast<unsigned char>(text[next]) & 0xC0) == 0x80) ++next;
  return next;
}

}  // namespace

void DrawParentBackground(TCanvas& canvas, TControl& control) {
  TWinControl* parent = control.Parent();
  if (!parent) return;
  HDC dc = canvas.Handle();
  const int saved = SaveDC(dc);
  // The parent's painting picks its own pen, brush and font; the caller
  // keeps its own, as restoring a device context would give them back.
  TPen pen;
  TBrush brush;
  TFont font;
  pen.Assign(*canvas.Pen());
  brush.Assign(*canvas.Brush());
  font.Assign(*canvas.Font());
  OffsetViewportOrgEx(dc, -control.Left(), -control.Top(), nullptr);
  IntersectClipRect(dc, 0, 0, parent->ClientWidth(), parent->ClientHeight());
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dc));
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  RestoreDC(dc, saved);
  canvas.SetPen(pen);
  canvas.SetBrush(brush);
  canvas.SetFont(font);
}

void DrawControlBorder(TWinControl& control, TColor color, TColor innerColor, bool inner) {
  if (!control.HandleAllocated()) return;
  HWND window = control.Handle();
  HDC dc = GetWindowDC(window);
  if (!dc) return;
  TRect bounds;
  GetWindowRect(window, &bounds);
  TRect frame{0, 0, bounds.Width(), bounds.Height()};
  TBrush outerBrush;
  outerBrush.SetColor(color);
  FrameRect(dc, frame, &outerBrush);
  if (inner) {
    InflateRect(frame, -1, -1);
    TBrush innerBrush;
    innerBrush.SetColor(innerColor);
    FrameRect(dc, frame, &innerBrush);
  }
  ReleaseDC(window, dc);
}

std::string TruncateText(const TCanvas& canvas, const std::string& text, int maxWidth) {
  if (canvas.TextWidth(text) <= maxWidth) return text;
  // Beginnings grow by whole characters, never by parts of one.
  std::size_t end = 0;
  while (true) {
    end = NextCharacter(text, end);
    if (end >= text.size()) return text;
    std::string candidate = text.substr(0, end) + "...";
    if (canvas.TextWidth(candidate) >= maxWidth) return candidate;
  }
}

void GetWorkArea(TRect& rect) {
  // The window system has one work area, which is also that of the
  // monitor showing the main form.
  rect = TRect{};
  SystemParametersInfo(SPI_GETWORKAREA, 0, &rect, 0);
}

TRect MaximizedFormBounds() {
  TRect area;
  GetWorkArea(area);
  return Rect(area.Left - 2, area.Top - 2, area.Right + 2, area.Bottom - 1);
}

bool IsFormActive(TCustomForm* form) {
  TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
  if (!mainForm) return form && form->Active();
  const bool mdiFrame = mainForm->FormStyle() == fsMDIForm;
  if (mdiFrame && form == mainForm) return true;
  if (!Application->Active()) return false;
  if (!form || form == mainForm) return true;
  if (mdiFrame && mainForm->HandleAllocated() && form->HandleAllocated()) {
    const LRESULT activeChild = SendMessage(mainForm->Handle(), WM_MDIGETACTIVE, 0, 0);
    if (reinterpret_cast<HWND>(activeChild) == form->Handle()) return true;
  }
  return form->Active();
}

bool PointInRect(TPoint point, const TRect& rect) { return PointInRect(point.X, point.Y, rect); }

bool PointInRect(int x, int y, const TRect& rect) {
  return rect.Left <= x && x <= rect.Right && rect.Top <= y && y <= rect.Bottom;
}

void SetControlPos(TControl& control, TPoint point) {
  control.SetBounds(point.X, point.Y, control.Width(), control.Height());
}

void SetControlBounds(TControl& control, const TRect& rect) {
  control.SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
}

bool HasProperty(const TComponent* component, const std::string& name) {
  return component && component->HasProperty(name);
}

void ApplyThemeToChildren(TWinControl& parent, TzelUIStyle style, TComponent* fileTheme) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    TControl* child = parent.Controls(i);
    if (!HasProperty(child, "FileTheme") || !HasProperty(child, "UIStyle")) continue;
    child->SetProp("FileTheme", fileTheme);
    child->SetProp("UIStyle", style);
  }
}

namespace {

// The two optional window-system functions, bound once on first use.
struct TOptionalFunctions {
  bool (*scrollBarInfo)(HWND, LONG, SCROLLBARINFO*) = nullptr;
  bool (*comboBoxInfo)(HWND, COMBOBOXINFO*) = nullptr;
  bool unavailable = false;
};

TOptionalFunctions& OptionalFunctions() {
  static TOptionalFunctions functions = [] {
    TOptionalFunctions bound;
    bound.scrollBarInfo = &GetScrollBarInfo;
    bound.comboBoxInfo = &GetComboBoxInfo;
    bound.unavailable = !bound.scrollBarInfo || !bound.comboBoxInfo;
    return bound;
  }();
  return functions;
}

}  // namespace

bool GetScrollBarInfoDyn(HWND window, LONG objectId, SCROLLBARINFO* info) {
  const TOptionalFunctions& functions = OptionalFunctions();
  if (functions.unavailable || !functions.scrollBarInfo) return false;
  return functions.scrollBarInfo(window, objectId, info);
}

bool GetComboBoxInfoDyn(HWND window, COMBOBOXINFO* info) {
  const TOptionalFunctions& functions = OptionalFunctions();
  if (functions.unavailable || !functions.comboBoxInfo) return false;
  return functions.comboBoxInfo(window, info);
}

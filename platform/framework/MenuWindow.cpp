// Menu windows: layout, the plain look of items and the input they pass on.

#include "platform/framework/MenuWindow.h"

#include "platform/gfx/DrawText.h"

namespace detail {

namespace {

constexpr int kGutter = 22;  // the column of check marks and images
constexpr int kSeparatorHeight = 8;
constexpr int kArrowWidth = 16;

std::vector<TMenuWindow*>& OpenMenuWindows() {
  static std::vector<TMenuWindow*> windows;
  return windows;
}

}  // namespace

void TMenuWindow::Register(TMenuWindow* window) { OpenMenuWindows().push_back(window); }

void TMenuWindow::Unregister(TMenuWindow* window) { std::erase(OpenMenuWindows(), window); }

void TMenuWindow::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: {
      TPoint p{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
      tracker_->OnMouse(message.Msg, ClientToScreen(p));
      return;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: tracker_->OnKey(static_cast<WORD>(message.WParam)); return;
    case WM_CHAR:
    case WM_SYSCHAR: tracker_->OnChar(static_cast<char32_t>(message.WParam)); return;
    case WM_KEYUP:
    case WM_SYSKEYUP: return;
    case WM_CAPTURECHANGED:
      // Another window took the pointer: the menu gives up.
      if (!tracker_->IsOurs(reinterpret_cast<HWND>(message.LParam))) tracker_->Cancel();
      return;
    case WM_MOUSEACTIVATE: message.Result = MA_NOACTIVATE; return;
    default: TCustomControl::WndProc(message);
  }
}

TSize TMenuWindow::Measure() {
  root_->InitiateAction();
  TCanvas* canvas = Canvas();
  canvas->SetFont(*Font());
  TImageList* images = menu_ ? menu_->Images() : nullptr;
  int textHeight = canvas->TextHeight("Wg");
  bool ownerDraw = menu_ && menu_->OwnerDraw();
  rects_.assign(static_cast<std::size_t>(root_->Count()), TRect{});
  int width = 0;
  int y = kMenuBorder;
  std::vector<int> heights(rects_.size(), 0);
  for (int i = 0; i < root_->Count(); ++i) {
    TMenuItem* item = root_->Items(i);
    if (!item->Visible()) continue;
    int w = 0, h = kSeparatorHeight;
    if (!item->IsLine()) {
      TRect text = Rect(0, 0, 0, 0);
      DrawText(canvas->Handle(), item->DisplayCaption(), text, DT_CALCRECT | DT_SINGLELINE);
      w = kGutter + 8 + text.Width() + kArrowWidth + 8;
      std::string shortcut = ShortCutToText(item->ShortCut());
      if (!shortcut.empty()) w += 16 + canvas->TextWidth(shortcut);
      h = std::max(textHeight + 6, images ? images->Height() + 4 : 0);
      h = std::max(h, 18);
    }
    if (ownerDraw && item->OnMeasureItem) item->OnMeasureItem(item, canvas, w, h);
    width = std::max(width, w);
    rects_[static_cast<std::size_t>(i)] = Rect(kMenuBorder, y, kMenuBorder, y + h);
    y += h;
  }
  for (TRect& r : rects_)
    if (r.Bottom > r.Top) r.Right = kMenuBorder + width;
  return {width + 2 * kMenuBorder, y + kMenuBorder};
}

void TMenuWindow::Paint() {
  TCanvas* canvas = Canvas();
  TRect client = ClientRect();
  canvas->Brush()->SetColor(clMenu);
  canvas->FillRect(client);
  // A raised frame, as classic menus have.
  auto line = [canvas](TColor c, int x1, int y1, int x2, int y2) {
    canvas->Pen()->SetColor(c);
    canvas->MoveTo(x1, y1);
    canvas->LineTo(x2, y2);
  };
  int r = client.Right - 1, b = client.Bottom - 1;
  line(clBtnFace, 0, b, 0, 0);
  line(clBtnFace, 0, 0, r, 0);
  line(clBtnHighlight, 1, b - 1, 1, 1);
  line(clBtnHighlight, 1, 1, r - 1, 1);
  line(cl3DDkShadow, r, 0, r, b);
  line(cl3DDkShadow, 0, b, r + 1, b);
  line(clBtnShadow, r - 1, 1, r - 1, b - 1);
  line(clBtnShadow, 1, b - 1, r, b - 1);

  bool ownerDraw = menu_ && menu_->OwnerDraw();
  for (int i = 0; i < static_cast<int>(rects_.size()); ++i) {
    const TRect& rect = rects_[static_cast<std::size_t>(i)];
    if (rect.Bottom <= rect.Top) continue;
    TMenuItem* item = Item(i);
    TOwnerDrawState state = StateOf(i);
    canvas->SetFont(*Font());
    canvas->Brush()->SetColor(clMenu);
    if (ownerDraw && item->OnAdvancedDrawItem) {
      item->OnAdvancedDrawItem(item, canvas, rect, state);
      // The arrow of a sub-menu stays the menu's, in the text colour the
      // item drew with.
      if (item->Count() > 0) DrawSubMenuArrow(canvas, rect, canvas->Font()->Color());
    } else {
      DrawItemDefault(canvas, item, rect, state);
    }
  }
}

void TMenuWindow::DrawItemDefault(TCanvas* canvas, TMenuItem* item, const TRect& r, TOwnerDrawState state) {
  if (item->IsLine()) {
    int y = r.Top + r.Height() / 2 - 1;
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(r.Left + 1, y);
    canvas->LineTo(r.Right - 1, y);
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(r.Left + 1, y + 1);
    canvas->LineTo(r.Right - 1, y + 1);
    return;
  }
  bool selected = state & odSelected;
  bool enabled = !(state & odDisabled);
  canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
  canvas->FillRect(r);
  TColor textColor = !enabled ? clGrayText : selected ? clHighlightText : clMenuText;

  // Check mark, radio dot or image in the gutter.
  TImageList* images = menu_ ? menu_->Images() : nullptr;
  int cx = r.Left + kGutter / 2, cy = r.Top + r.Height() / 2;
  bool hasImage = images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
  if (hasImage) {
    images->Draw(canvas, r.Left + (kGutter - images->Width()) / 2, r.Top + (r.Height() - images->Height()) / 2,
                 item->ImageIndex(), enabled);
  } else if (item->Checked()) {
    canvas->Pen()->SetColor(textColor);
    canvas->Brush()->SetColor(textColor);
    if (item->RadioItem()) {
      canvas->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
    } else {
      for (int d = 0; d < 3; ++d) {
        canvas->MoveTo(cx - 4, cy - 1 + d);
        canvas->LineTo(cx - 1, cy + 2 + d);
        canvas->LineTo(cx + 5, cy - 4 + d);
      }
    }
  }

  canvas->SetFont(*Font());
  if (item->Default()) canvas->Font()->SetStyle(canvas->Font()->Style() | fsBold);
  canvas->Font()->SetColor(textColor);
  canvas->SetBkMode(TRANSPARENT);
  canvas->SetTextColor(textColor);
  TRect text = r;
  text.Left += kGutter + 4;
  text.Right -= kArrowWidth;
  DrawText(canvas->Handle(), item->DisplayCaption(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  std::string shortcut = ShortCutToText(item->ShortCut());
  if (!shortcut.empty()) {
    TRect keys = text;
    DrawText(canvas->Handle(), shortcut, keys, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
  }
  if (item->Count() > 0) DrawSubMenuArrow(canvas, r, textColor);
}

void TMenuWindow::DrawSubMenuArrow(TCanvas* canvas, const TRect& r, TColor color) {
  int ax = r.Right - kArrowWidth / 2 - 2, cy = r.Top + r.Height() / 2;
  TPoint arrow[3] = {{ax, cy - 4}, {ax + 4, cy}, {ax, cy + 4}};
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->Polygon(arrow);
}

}  // namespace detail

HWND MenuWindowFromCanvas(const TCanvas* canvas) {
  if (!canvas) return nullptr;
  for (detail::TMenuWindow* window : detail::OpenMenuWindows())
    if (window->HandleAllocated() && window->Canvas() == canvas) return window->Handle();
  return nullptr;
}

// The header control: a row of column buttons in a window of its own
// class. It keeps its items per window, answers the HDM_ messages, paints
// the buttons (an image from its image list beside the caption), and tells
// its parent of clicks (HDN_ITEMCLICK) and of every item change, widths
// dragged at the dividers included (HDN_ITEMCHANGED), through WM_NOTIFY.

#include <algorithm>
#include <map>
#include <vector>

#include "platform/framework/ListView.h"
#include "platform/gfx/DrawText.h"

namespace {

constexpr int kDividerGrip = 3;  // pixels either side of a divider that start a drag
constexpr int kMargin = 4;       // between a button's edge and its content
constexpr int kImageGap = 2;     // between the image and the caption

struct THeaderState {
  std::vector<HDITEM> items;
  int pressed = -1;
  int dragging = -1;  // the item whose right edge is dragged
  int dragStartX = 0;
  int dragStartWidth = 0;
  TImageList* images = nullptr;
};

std::map<HWND, THeaderState>& Headers() {
  static std::map<HWND, THeaderState> headers;
  return headers;
}

TRect ItemRect(const THeaderState& s, int index, int height) {
  int x = 0;
  for (int i = 0; i < index; ++i) x += s.items[i].cxy;
  return {x, 0, x + s.items[index].cxy, height};
}

void NotifyParent(HWND hwnd, UINT code, int item, const HDITEM* hdi) {
  NMHEADER nm;
  nm.hdr.hwndFrom = hwnd;
  nm.hdr.idFrom = static_cast<UINT_PTR>(GetWindowLong(hwnd, GWL_ID));
  nm.hdr.code = code;
  nm.iItem = item;
  nm.pitem = hdi;
  HWND parent = GetParent(hwnd);
  if (parent) SendMessage(parent, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

void Fill(TCanvas& c, const TRect& r, TColor color) {
  c.Brush()->SetColor(color);
  c.FillRect(r);
}

bool ShowsImage(const THeaderState& s, const HDITEM& item) {
  return s.images && (item.fmt & HDF_IMAGE) && item.iImage >= 0 && item.iImage < s.images->Count();
}

// The caption, and the image left of it; the two move together as the
// alignment says, and the caption gives way when the button is narrow.
void PaintContent(TCanvas& c, const THeaderState& s, const HDITEM& item, const TRect& r) {
  int justify = item.fmt & HDF_JUSTIFYMASK;
  TRect text = r;
  InflateRect(text, -kMargin, 0);
  c.SetBkMode(TRANSPARENT);
  c.Font()->SetColor(clBtnText);
  if (ShowsImage(s, item)) {
    int imageWidth = s.images->Width();
    int textWidth = item.pszText.empty() ? 0 : c.TextWidth(item.pszText) + kImageGap;
    int room = text.Width() - imageWidth - textWidth;
    int x = text.Left;
    if (justify == HDF_RIGHT) x += std::max(0, room);
    else if (justify == HDF_CENTER) x += std::max(0, room / 2);
    s.images->Draw(&c, x, r.Top + (r.Height() - s.images->Height()) / 2, item.iImage);
    text.Left = x + imageWidth + kImageGap;
    justify = HDF_LEFT;
  }
  UINT align = justify == HDF_RIGHT ? DT_RIGHT : justify == HDF_CENTER ? DT_CENTER : DT_LEFT;
  DrawText(&c, item.pszText, text, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void PaintHeader(HWND hwnd, THeaderState& s) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return;
  TRect client;
  GetClientRect(hwnd, &client);
  TCanvas& c = *dc;
  Fill(c, client, clBtnFace);
  for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
    TRect r = ItemRect(s, i, client.Height());
    if (r.Width() <= 0) continue;
    bool down = i == s.pressed;
    // A raised button, flat and shadowed while pressed.
    Fill(c, r, down ? clBtnShadow : cl3DDkShadow);
    if (!down) Fill(c, {r.Left, r.Top, r.Right - 1, r.Bottom - 1}, clBtnHighlight);
    Fill(c, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, down ? clBtnFace : clBtnShadow);
    Fill(c, {r.Left + 1, r.Top + 1, r.Right - (down ? 1 : 2), r.Bottom - (down ? 1 : 2)}, clBtnFace);
    int saved = c.SaveDC();
    c.IntersectClipRect({r.Left + 1, r.Top + 1, r.Right - 2, r.Bottom - 2});  // inside the edges
    if (down) OffsetRect(r, 1, 1);
    PaintContent(c, s, s.items[i], r);
    c.RestoreDC(saved);
  }
  EndPaint(hwnd, &ps);
}

int DividerAt(const THeaderState& s, int x) {
  int right = 0;
  int found = -1;
  for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
    right += s.items[i].cxy;
    // The last of several dividers in one place wins (a hidden column's is under it).
    if (std::abs(x - right) <= kDividerGrip) found = i;
  }
  return found;
}

int ItemAt(const THeaderState& s, int x) {
  int left = 0;
  for (int i = 0; i < static_cast<int>(s.items.size()); ++i) {
    if (x >= left && x < left + s.items[i].cxy) return i;
    left += s.items[i].cxy;
  }
  return -1;
}

void CopyItem(HDITEM& to, const HDITEM& from) {
  if (from.mask & HDI_WIDTH) to.cxy = std::max(0, from.cxy);
  if (from.mask & HDI_TEXT) to.pszText = from.pszText;
  if (from.mask & HDI_FORMAT) to.fmt = from.fmt;
  if (from.mask & HDI_LPARAM) to.lParam = from.lParam;
  if (from.mask & HDI_IMAGE) to.iImage = from.iImage;
}

LRESULT HeaderMessage(HWND hwnd, THeaderState& s, UINT msg, WPARAM wParam, LPARAM lParam) {
  int index = static_cast<int>(static_cast<std::intptr_t>(wParam));
  int count = static_cast<int>(s.items.size());
  switch (msg) {
    case HDM_GETITEMCOUNT: return count;
    case HDM_INSERTITEM: {
      auto* hdi = reinterpret_cast<const HDITEM*>(lParam);
      if (!hdi) return -1;
      index = std::clamp(index, 0, count);
      HDITEM item;
      CopyItem(item, *hdi);
      s.items.insert(s.items.begin() + index, item);
      InvalidateRect(hwnd, nullptr, true);
      return index;
    }
    case HDM_DELETEITEM:
      if (index < 0 || index >= count) return FALSE;
      s.items.erase(s.items.begin() + index);
      InvalidateRect(hwnd, nullptr, true);
      return TRUE;
    case HDM_GETITEM: {
      auto* hdi = reinterpret_cast<HDITEM*>(lParam);
      if (!hdi || index < 0 || index >= count) return FALSE;
      HDITEM all = s.items[index];
      all.mask = hdi->mask;
      CopyItem(*hdi, all);
      return TRUE;
    }
    case HDM_SETITEM: {
      auto* hdi = reinterpret_cast<const HDITEM*>(lParam);
      if (!hdi || index < 0 || index >= count) return FALSE;
      CopyItem(s.items[index], *hdi);
      InvalidateRect(hwnd, nullptr, true);
      if (hdi->mask) NotifyParent(hwnd, HDN_ITEMCHANGED, index, hdi);
      return TRUE;
    }
    case HDM_GETITEMRECT: {
      auto* r = reinterpret_cast<TRect*>(lParam);
      if (!r || index < 0 || index >= count) return FALSE;
      TRect client;
      GetClientRect(hwnd, &client);
      *r = ItemRect(s, index, client.Height());
      return TRUE;
    }
    case HDM_SETIMAGELIST: {
      TImageList* previous = s.images;
      s.images = reinterpret_cast<TImageList*>(lParam);
      InvalidateRect(hwnd, nullptr, true);
      return reinterpret_cast<LRESULT>(previous);
    }
    case HDM_GETIMAGELIST: return reinterpret_cast<LRESULT>(s.images);
    case WM_PAINT: PaintHeader(hwnd, s); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: {
      int x = GET_X_LPARAM(lParam);
      int divider = DividerAt(s, x);
      SetCapture(hwnd);
      if (divider >= 0) {
        s.dragging = divider;
        s.dragStartX = x;
        s.dragStartWidth = s.items[divider].cxy;
      } else {
        s.pressed = ItemAt(s, x);
        InvalidateRect(hwnd, nullptr, false);
      }
      return 0;
    }
    case WM_MOUSEMOVE:
      if (s.dragging >= 0) {
        HDITEM width;
        width.mask = HDI_WIDTH;
        width.cxy = std::max(0, s.dragStartWidth + GET_X_LPARAM(lParam) - s.dragStartX);
        SendMessage(hwnd, HDM_SETITEM, static_cast<WPARAM>(s.dragging), reinterpret_cast<LPARAM>(&width));
      }
      return 0;
    case WM_LBUTTONUP: {
      int pressed = s.pressed;
      bool wasDragging = s.dragging >= 0;
      s.pressed = s.dragging = -1;
      if (GetCapture() == hwnd) ReleaseCapture();
      InvalidateRect(hwnd, nullptr, false);
      if (!wasDragging && pressed >= 0 && pressed == ItemAt(s, GET_X_LPARAM(lParam)))
        NotifyParent(hwnd, HDN_ITEMCLICK, pressed, nullptr);
      return 0;
    }
    case WM_SETCURSOR: {
      TPoint p;
      GetCursorPos(&p);
      ScreenToClient(hwnd, &p);
      SetCursor(LoadCursor(nullptr, DividerAt(s, p.X) >= 0 || s.dragging >= 0 ? IDC_SIZEWE : IDC_ARROW));
      return TRUE;
    }
    default: return DefWindowProc(hwnd, msg, wParam, lParam);
  }
}

LRESULT HeaderWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) {
    Headers().erase(hwnd);
    return DefWindowProc(hwnd, msg, wParam, lParam);
  }
  return HeaderMessage(hwnd, Headers()[hwnd], msg, wParam, lParam);
}

}  // namespace

const char* HeaderControlClass() {
  static const char* name = "THeaderControl";
  WNDCLASS existing;
  if (!GetClassInfo(name, &existing)) {
    WNDCLASS cls;
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = HeaderWindowProc;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = name;
    RegisterClass(cls);
  }
  return name;
}

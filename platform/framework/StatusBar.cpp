// The status bar: panels of text side by side, or one simple text.

#include <algorithm>
#include <cstring>

#include "platform/framework/ComCtrls.h"
#include "platform/framework/ControlLooks.h"
#include "platform/framework/Forms.h"
#include "platform/framework/Panels.h"
#include "platform/gfx/DrawText.h"

namespace {
constexpr int kGripSize = 12;
constexpr int kPanelGap = 2;
}  // namespace

// ---- Panels -------------------------------------------------------------------------

void TStatusPanel::SetText(const std::string& value) {
  if (value == text_) return;
  text_ = value;
  owner_->PanelsChanged();
}
void TStatusPanel::SetWidth(int value) {
  width_ = std::max(0, value);
  owner_->PanelsChanged();
}
void TStatusPanel::SetAlignment(TAlignment value) {
  alignment_ = value;
  owner_->PanelsChanged();
}
void TStatusPanel::SetBevel(TStatusPanelBevel value) {
  bevel_ = value;
  owner_->PanelsChanged();
}

TStatusPanel* TStatusPanels::Add() {
  items_.push_back(std::make_unique<TStatusPanel>(owner_));
  owner_->PanelsChanged();
  return items_.back().get();
}

void TStatusPanels::Delete(int index) {
  if (index < 0 || index >= Count()) throw EListError("Status panel index out of bounds (" + std::to_string(index) + ")");
  items_.erase(items_.begin() + index);
  owner_->PanelsChanged();
}

void TStatusPanels::Clear() {
  items_.clear();
  owner_->PanelsChanged();
}

// ---- The bar ------------------------------------------------------------------------

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
  controlStyle_ |= csOpaque;
  SetBounds(0, 0, 200, 19);
  SetAlign(alBottom);
  Publish("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel);
  Publish("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
  Publish("SizeGrip", &TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip);
}

void TStatusBar::PanelsChanged() { Invalidate(); }

void TStatusBar::SetSimplePanel(bool value) { Perform(SB_SIMPLE, value, 0); }

void TStatusBar::SetSimpleText(const std::string& value) {
  Perform(SB_SETTEXT, SB_SIMPLEID, reinterpret_cast<LPARAM>(value.c_str()));
}

void TStatusBar::SetSizeGrip(bool value) {
  sizeGrip_ = value;
  Invalidate();
}

TRect TStatusBar::PanelRect(int index) {
  TRect client = ClientRect();
  if (simplePanel_) return index == static_cast<int>(SB_SIMPLEID) || index == 0 ? client : TRect{};
  if (index < 0 || index >= panels_.Count()) return {};
  int left = 0;
  for (int i = 0; i < index; ++i) left += panels_[i]->Width() + kPanelGap;
  int right = index == panels_.Count() - 1 ? client.Right : left + panels_[index]->Width();
  return Rect(left, client.Top + kPanelGap, std::max(left, right), client.Bottom);
}

void TStatusBar::DefaultHandler(TMessage& m) {
  switch (m.Msg) {
    case SB_SIMPLE:
      simplePanel_ = m.WParam != 0;
      Invalidate();
      return;
    case SB_SETTEXT: {
      int part = static_cast<int>(LOWORD(m.WParam) & 0xFF);
      std::string text = m.LParam ? reinterpret_cast<const char*>(m.LParam) : "";
      if (part == static_cast<int>(SB_SIMPLEID)) {
        simpleText_ = text;
        Invalidate();
      } else if (part < panels_.Count()) {
        panels_[part]->SetText(text);
      } else {
        m.Result = 0;
        return;
      }
      m.Result = 1;
      return;
    }
    case SB_GETTEXTLENGTH:
    case SB_GETTEXT: {
      int part = static_cast<int>(m.WParam & 0xFF);
      std::string text = part == static_cast<int>(SB_SIMPLEID) ? simpleText_
                         : part < panels_.Count()             ? panels_[part]->Text()
                                                              : std::string();
      if (m.Msg == SB_GETTEXT && m.LParam) std::memcpy(reinterpret_cast<char*>(m.LParam), text.c_str(), text.size() + 1);
      m.Result = static_cast<LRESULT>(text.size());
      return;
    }
    case SB_GETPARTS: {
      int count = simplePanel_ ? 1 : panels_.Count();
      auto* edges = reinterpret_cast<int*>(m.LParam);
      for (int i = 0; edges && i < std::min(count, static_cast<int>(m.WParam)); ++i)
        edges[i] = simplePanel_ || i == count - 1 ? -1 : PanelRect(i).Right;
      m.Result = count;
      return;
    }
    case SB_SETPARTS: {
      auto count = static_cast<int>(m.WParam);
      auto* edges = reinterpret_cast<const int*>(m.LParam);
      if (count < 0 || count > 256 || (count > 0 && !edges)) {
        m.Result = 0;
        return;
      }
      while (panels_.Count() > count) panels_.Delete(panels_.Count() - 1);
      while (panels_.Count() < count) panels_.Add();
      int left = 0;
      for (int i = 0; i < count; ++i) {
        int right = edges[i] < 0 ? left + 50 : edges[i];
        panels_[i]->SetWidth(right - left);
        left = right + kPanelGap;
      }
      m.Result = 1;
      return;
    }
    case SB_GETRECT: {
      TRect r = PanelRect(static_cast<int>(m.WParam));
      if (m.LParam) *reinterpret_cast<TRect*>(m.LParam) = r;
      m.Result = r.IsEmpty() ? 0 : 1;
      return;
    }
    case WM_SIZE:
      Invalidate();
      break;
    default: break;
  }
  TWinControl::DefaultHandler(m);
}

void TStatusBar::PaintPanel(TCanvas* canvas, TRect r, const std::string& text, TAlignment alignment,
                            TStatusPanelBevel bevel) {
  if (bevel != pbNone)
    Frame3D(canvas, r, bevel == pbLowered ? clBtnShadow : clBtnHighlight,
            bevel == pbLowered ? clBtnHighlight : clBtnShadow, 1);
  InflateRect(r, -2, 0);
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS |
               (alignment == taCenter ? DT_CENTER : alignment == taRightJustify ? DT_RIGHT : DT_LEFT);
  DrawControlText(canvas, text, r, flags, Enabled(), Font()->Color());
}

void TStatusBar::PaintWindow(HDC dc) {
  TCanvas* canvas = dc;
  canvas->SetFont(*Font());
  TRect client = ClientRect();
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(client);
  bool grip = sizeGrip_ && ParentForm() && ParentForm()->BorderStyle() == bsSizeable;
  if (simplePanel_) {
    TRect r = client;
    r.Top += kPanelGap;
    if (grip) r.Right -= kGripSize;
    PaintPanel(canvas, r, simpleText_, taLeftJustify, pbNone);
  } else {
    for (int i = 0; i < panels_.Count(); ++i) {
      TRect r = PanelRect(i);
      if (grip && i == panels_.Count() - 1) r.Right = std::max(r.Left, r.Right - kGripSize);
      PaintPanel(canvas, r, panels_[i]->Text(), panels_[i]->Alignment(), panels_[i]->Bevel());
    }
  }
  if (!grip) return;
  // The grip: diagonal lines in the bottom-right corner.
  for (int i = 0; i < 3; ++i) {
    int offset = 4 * i + 2;
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(client.Right - 1, client.Bottom - offset - 1);
    canvas->LineTo(client.Right - offset - 1, client.Bottom - 1);
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(client.Right - 1, client.Bottom - offset - 2);
    canvas->LineTo(client.Right - offset - 2, client.Bottom - 1);
    canvas->MoveTo(client.Right - 1, client.Bottom - offset - 3);
    canvas->LineTo(client.Right - offset - 3, client.Bottom - 1);
  }
}

#include "skin/ZELURLLabel.h"

#include "platform/framework/SysUtils.h"
#include "platform/os/ShellOpen.h"

namespace {
constexpr TColor kDesignHoverColor = 0xFF0000;
}

TzelURLLabel::TzelURLLabel(TComponent* owner) : TCustomLabel(owner) {
  Font()->SetStyle(Font()->Style() | fsUnderline);
  Font()->SetColor(linkColor_);
  SetCursor(crHandPoint);
  SetColor(clWindow);
  SetAutoSize(true);
  SetWordWrap(false);
  SetCaption("Home page");
  url_ = "https://example.com/";
  Publish("URL", &TzelURLLabel::URL, &TzelURLLabel::SetURL);
  Publish("FontHoverColor", &TzelURLLabel::FontHoverColor, &TzelURLLabel::SetFontHoverColor);
  Publish("FontLinkColor", &TzelURLLabel::FontLinkColor, &TzelURLLabel::SetFontLinkColor);
}

void TzelURLLabel::SetURL(const std::string& value) {
  if (value != url_) url_ = value;
}

void TzelURLLabel::SetFontLinkColor(TColor value) {
  linkColor_ = value;
  Font()->SetColor(value);
}

void TzelURLLabel::CMMouseEnter(TMessage& message) {
  TCustomLabel::CMMouseEnter(message);
  if (message.LParam != 0) return;  // a child's notice, not ours
  Font()->SetColor(IsDesigning() ? kDesignHoverColor : hoverColor_);
}

void TzelURLLabel::CMMouseLeave(TMessage& message) {
  TCustomLabel::CMMouseLeave(message);
  if (message.LParam != 0) return;
  Font()->SetColor(linkColor_);
}

void TzelURLLabel::Click() {
  const std::string address = Trim(url_);
  if (!address.empty()) ShellOpener().Open(address);
  TCustomLabel::Click();
}

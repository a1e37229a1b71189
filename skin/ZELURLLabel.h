#pragma once
// A label that looks like a hyperlink: underlined, changes colour while
// the mouse is over it, and opens its URL with the shell when clicked.

#include <string>

#include "platform/framework/Labels.h"

class TzelURLLabel : public TCustomLabel {
 public:
  explicit TzelURLLabel(TComponent* owner);
  std::string ClassName() const override { return "TzelURLLabel"; }

  std::string URL() const { return url_; }
  void SetURL(const std::string& value);
  TColor FontLinkColor() const { return linkColor_; }
  void SetFontLinkColor(TColor value);
  TColor FontHoverColor() const { return hoverColor_; }
  void SetFontHoverColor(TColor value) { hoverColor_ = value; }

  void Click() override;

 protected:
  void CMMouseEnter(TMessage& message) override;
  void CMMouseLeave(TMessage& message) override;

 private:
  std::string url_;
  TColor linkColor_ = 0xFF0000;
  TColor hoverColor_ = 0x0000FF;
};

#include "recorder/DialogControls.h"

#include "platform/framework/Forms.h"

TComponent* FormOf(TWinControl* parent) {
  for (TWinControl* p = parent; p; p = p->Parent())
    if (auto* form = dynamic_cast<TCustomForm*>(p)) return form;
  return parent;
}

TLabel* AddLabel(TWinControl* parent, const std::string& caption, int left, int top, int width,
                 const std::string& name) {
  auto* label = Place<TLabel>(parent, name, left, top, width, 16);
  label->SetCaption(caption);
  label->SetTransparent(true);
  return label;
}

TzelCheckBox* AddCheck(TWinControl* parent, const std::string& name, const std::string& caption, int left, int top,
                       int width) {
  auto* check = AddCaptioned<TzelCheckBox>(parent, name, caption, left, top, width);
  check->SetTransparent(true);
  return check;
}

TzelEdit* AddEdit(TWinControl* parent, const std::string& name, int left, int top, int width) {
  return Place<TzelEdit>(parent, name, left, top, width, 22);
}

#pragma once
// Placing the skinned controls of the recorder's dialogs: each belongs to
// the dialog's form, whatever panel, group or page it stands on, and the
// labels and check boxes show what lies behind their captions.

#include <string>

#include "platform/framework/Controls.h"
#include "platform/framework/StdCtrls.h"
#include "skin/ZELButton.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELEdit.h"

// The form that owns the controls placed on `parent`.
TComponent* FormOf(TWinControl* parent);

template <class T>
T* Place(TWinControl* parent, const std::string& name, int left, int top, int width, int height) {
  auto* control = new T(FormOf(parent));
  if (!name.empty()) control->SetName(name);
  control->SetBounds(left, top, width, height);
  control->SetParent(parent);
  return control;
}

template <class T>
T* AddCaptioned(TWinControl* parent, const std::string& name, const std::string& caption, int left, int top,
                int width = 160, int height = 20) {
  auto* control = Place<T>(parent, name, left, top, width, height);
  control->SetCaption(caption);
  return control;
}

TLabel* AddLabel(TWinControl* parent, const std::string& caption, int left, int top, int width = 100,
                 const std::string& name = "");
TzelCheckBox* AddCheck(TWinControl* parent, const std::string& name, const std::string& caption, int left, int top,
                       int width);
TzelEdit* AddEdit(TWinControl* parent, const std::string& name, int left, int top, int width);

// The colour dialog.

#include "platform/framework/Dialogs.h"
#include "platform/win/NativeDialogs.h"
#include "platform/win/WinApi.h"

TColorDialog::TColorDialog(TComponent* owner) : TCommonDialog(owner) {
  Publish("Color", &TColorDialog::Color, &TColorDialog::SetColor);
  Publish("Options", &TColorDialog::Options, &TColorDialog::SetOptions);
}

bool TColorDialog::Execute() {
  TNativeColorAnswer answer = RunNativeColorDialog(GetActiveWindow(), color_, (options_ & cdFullOpen) != 0);
  if (!answer.Accepted) return false;
  color_ = answer.Color;
  return true;
}

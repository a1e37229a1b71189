#include "recorder/Device.h"

TfrmDevice* frmDevice = nullptr;

TfrmDevice::TfrmDevice(TComponent* owner) : TForm(owner) {
  SetCaption("Device");
}

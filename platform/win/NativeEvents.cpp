// What the display reports about top-level windows, and device changes.

#include "platform/win/Core.h"

namespace detail {

void OnNativeExpose(HWND top) {
  TWindow* w = Find(top);
  if (!w || w->parent) return;
  // The surface still holds the pixels; they are shown again once the
  // paints waiting now are done.
  MarkDirty(w, TRgn(Rect(0, 0, w->Width(), w->Height())));
}

void OnNativeGeometry(HWND top, const TRect& screenRect) {
  TWindow* w = Find(top);
  if (!w || w->parent || w->rect == screenRect || (w->style & WS_MINIMIZE)) return;
  applyingNativeGeometry = true;
  try {
    SetWindowPos(top, nullptr, screenRect.Left, screenRect.Top, screenRect.Width(), screenRect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } catch (...) {
    applyingNativeGeometry = false;
    throw;
  }
  applyingNativeGeometry = false;
}

void OnNativeStateChanged(HWND top, TNativeState state) {
  TWindow* w = Find(top);
  if (!w || w->parent) return;
  if (state == TNativeState::Minimized) SetMinimized(w, true, true);
  else if (w->style & WS_MINIMIZE) SetMinimized(w, false, true);
}

void OnNativeCloseRequest(HWND top) {
  TWindow* w = Find(top);
  // Pop-ups and hints are closed by whoever opened them, never by the display.
  if (!w || !w->Enabled() || w->nativeKind != TNativeKind::Normal) return;
  Send(w, WM_SYSCOMMAND, SC_CLOSE, 0);
}

void OnDeviceChange(bool arrival, const std::string& device, int driveIndex) {
  DEV_BROADCAST_VOLUME volume;
  volume.hdr.dbch_size = sizeof(DEV_BROADCAST_VOLUME);
  volume.hdr.dbch_devicetype = DBT_DEVTYP_VOLUME;
  volume.dbcv_unitmask = driveIndex >= 0 && driveIndex < 32 ? 1u << driveIndex : 0;
  volume.dbcv_flags = DBTF_MEDIA;
  volume.device = device;
  WPARAM event = arrival ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
  for (HWND top : GetTopLevelWindows())
    if (TWindow* w = Find(top)) Send(w, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(&volume));
}

}  // namespace detail

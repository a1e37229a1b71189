// Screen metrics, system parameters, beeps, message boxes and the clipboard.

#include <map>

#include "platform/win/Core.h"

using namespace detail;

namespace {

int ScreenMetric(int index) {
  TRect screen = Backend().ScreenRect();
  TRect work = Backend().WorkArea();
  switch (index) {
    case SM_CXSCREEN: return screen.Width();
    case SM_CYSCREEN: return screen.Height();
    case SM_CXFULLSCREEN: return work.Width();
    case SM_CYFULLSCREEN: return work.Height() - 19;
    case SM_CXMAXIMIZED: return work.Width() + 8;
    case SM_CYMAXIMIZED: return work.Height() + 8;
    default: return 0;
  }
}

// The classic metrics of the default look.
int FixedMetric(int index) {
  switch (index) {
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB: return 16;
    case SM_CYCAPTION: return 19;
    case SM_CXBORDER:
    case SM_CYBORDER: return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return 3;
    case SM_CXFRAME:
    case SM_CYFRAME: return 4;
    case SM_CXEDGE:
    case SM_CYEDGE: return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXSIZE:
    case SM_CYSIZE: return 18;
    case SM_CYSMCAPTION: return 15;
    case SM_CXMIN:
    case SM_CXMINTRACK: return 112;
    case SM_CYMIN:
    case SM_CYMINTRACK: return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
    case SM_CXDRAG:
    case SM_CYDRAG: return 4;
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK: return 13;
    case SM_CMONITORS: return 1;
    default: return 0;
  }
}

// Clipboard formats by name, numbered as the registered ones are.
std::map<std::string, UINT> formatNumbers;
std::map<UINT, std::string> formatNames;

std::string MimeTypeOf(UINT format) {
  if (format == CF_TEXT || format == CF_UNICODETEXT) return "text/plain;charset=utf-8";
  if (format == CF_WAVE) return "audio/wav";
  auto it = formatNames.find(format);
  return it == formatNames.end() ? std::string() : "application/x-velmora-" + it->second;
}

}  // namespace

int GetSystemMetrics(int index) {
  int screen = ScreenMetric(index);
  return screen ? screen : FixedMetric(index);
}

bool SystemParametersInfo(UINT action, UINT, void* data, UINT) {
  if (!data) return false;
  if (action == SPI_GETWORKAREA) {
    *static_cast<TRect*>(data) = Backend().WorkArea();
    return true;
  }
  if (action == SPI_GETNONCLIENTMETRICS) {
    auto* metrics = static_cast<NONCLIENTMETRICS*>(data);
    LOGFONT font = Backend().MenuFont();
    LOGFONT bold = font;
    bold.lfWeight = 700;
    metrics->iBorderWidth = 1;
    metrics->iScrollWidth = metrics->iScrollHeight = 16;
    metrics->iCaptionWidth = metrics->iCaptionHeight = 18;
    metrics->iSmCaptionWidth = metrics->iSmCaptionHeight = 14;
    metrics->iMenuWidth = metrics->iMenuHeight = 18;
    metrics->lfCaptionFont = bold;
    metrics->lfSmCaptionFont = bold;
    metrics->lfMenuFont = font;
    metrics->lfStatusFont = font;
    metrics->lfMessageFont = font;
    return true;
  }
  return false;
}

bool MessageBeep(UINT) {
  Backend().Beep();
  return true;
}

int MessageBox(HWND owner, const std::string& text, const std::string& caption, UINT flags) {
  EnsureStarted();
  HWND previousActive = GetActiveWindow();
  std::vector<HWND> disabled = DisableTaskWindows(nullptr);
  int answer;
  try {
    answer = Backend().ShowMessageBox(owner, text, caption, flags);
  } catch (...) {
    EnableTaskWindows(disabled);
    throw;
  }
  EnableTaskWindows(disabled);
  HWND back = IsWindow(owner) ? GetAncestor(owner, GA_ROOT) : previousActive;
  if (IsWindow(back) && IsWindowVisible(back)) SetActiveWindow(back);
  return answer;
}

UINT RegisterClipboardFormat(const std::string& name) {
  if (name.empty()) return 0;
  auto it = formatNumbers.find(name);
  if (it != formatNumbers.end()) return it->second;
  UINT number = 0xC000 + static_cast<UINT>(formatNumbers.size());
  formatNumbers[name] = number;
  formatNames[number] = name;
  return number;
}

bool SetClipboardText(const std::string& text) {
  Backend().SetClipboard(MimeTypeOf(CF_TEXT), std::vector<std::uint8_t>(text.begin(), text.end()));
  return true;
}

std::string GetClipboardText() {
  auto data = Backend().Clipboard(MimeTypeOf(CF_TEXT));
  return data ? std::string(data->begin(), data->end()) : std::string();
}

bool SetClipboardData(UINT format, const std::vector<std::uint8_t>& data) {
  std::string mime = MimeTypeOf(format);
  if (mime.empty()) return false;
  Backend().SetClipboard(mime, data);
  return true;
}

std::optional<std::vector<std::uint8_t>> GetClipboardData(UINT format) {
  std::string mime = MimeTypeOf(format);
  if (mime.empty()) return std::nullopt;
  return Backend().Clipboard(mime);
}

bool IsClipboardFormatAvailable(UINT format) { return GetClipboardData(format).has_value(); }

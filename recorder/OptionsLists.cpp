#include "recorder/OptionsLists.h"

#include "platform/framework/Streams.h"
#include "platform/framework/SysUtils.h"

namespace {

TChoiceList KeyLines() {
  TChoiceList keys{"`"};
  for (char c = '0'; c <= '9'; ++c) keys.push_back(std::string(1, c));
  for (char c = 'A'; c <= 'Z'; ++c) keys.push_back(std::string(1, c));
  for (const char* name : {"Insert", "Delete", "Home", "End", "PageUp", "PageDown"}) keys.push_back(name);
  for (int f = 1; f <= 12; ++f) keys.push_back("F" + std::to_string(f));
  for (const char* name : {"Numpad +", "Numpad -", "Numpad *", "Numpad /"}) keys.push_back(name);
  return keys;
}

DWORD KeyCodeOf(int index) {
  if (index == 0) return 0xC0;
  if (index >= 1 && index <= 10) return 0x30 + (index - 1);
  if (index >= 11 && index <= 36) return 0x41 + (index - 11);
  static const DWORD kNavigation[] = {0x2D, 0x2E, 0x24, 0x23, 0x21, 0x22};
  if (index >= 37 && index <= 42) return kNavigation[index - 37];
  if (index >= 43 && index <= 54) return 0x70 + (index - 43);
  static const DWORD kNumpad[] = {0x6B, 0x6D, 0x6A, 0x6F};
  if (index >= 55 && index <= 58) return kNumpad[index - 55];
  return 0;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

const TChoiceList& ModifierChoices() {
  static const TChoiceList list{"<None>", "Ctrl", "Alt", "Shift", "Ctrl+Alt", "Ctrl+Shift", "Shift+Alt"};
  return list;
}

const TChoiceList& KeyChoices() {
  static const TChoiceList list = KeyLines();
  return list;
}

const TChoiceList& InitialWmaChoices() {
  static const TChoiceList list = [] {
    TChoiceList sixty;
    for (int copy = 0; copy < 4; ++copy)
      sixty.insert(sixty.end(), WmaProfileChoices().begin(), WmaProfileChoices().end());
    return sixty;
  }();
  return list;
}

HotkeyCombo ComboOf(int modifierIndex, int keyIndex) {
  static const DWORD kModifiers[][2] = {{0, 0}, {17, 0}, {18, 0}, {16, 0}, {17, 18}, {17, 16}, {16, 18}};
  HotkeyCombo combo;
  if (modifierIndex >= 0 && modifierIndex < 7) {
    combo.Modifier1 = kModifiers[modifierIndex][0];
    combo.Modifier2 = kModifiers[modifierIndex][1];
  }
  combo.Key = KeyCodeOf(keyIndex);
  return combo;
}

std::string BodyToHex(const TStringList& lines) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (int i = 0; i < lines.Count(); ++i) {
    for (unsigned char byte : lines[i] + "\r\n") {
      hex += kDigits[byte >> 4];
      hex += kDigits[byte & 15];
    }
  }
  return hex;
}

TStringList BodyFromHex(const std::string& hex) {
  TMemoryStream stream;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
    int high = HexDigit(hex[i]);
    int low = HexDigit(hex[i + 1]);
    if (high < 0 || low < 0) break;
    BYTE byte = static_cast<BYTE>(high * 16 + low);
    stream.Write(&byte, 1);
  }
  stream.Seek(0, soBeginning);
  TStringList lines;
  lines.LoadFromStream(stream);
  return lines;
}

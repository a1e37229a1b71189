#include "recorder/OptionsLists.h"

#include <cctype>

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

const TChoiceList& WavFrequencyChoices() {
  static const TChoiceList list{"8000 Hz", "11025 Hz", "22050 Hz", "24000 Hz", "32000 Hz", "44100 Hz", "48000 Hz"};
  return list;
}

const TChoiceList& Mp3FrequencyChoices() {
  static const TChoiceList list{"32000 Hz", "44100 Hz", "48000 Hz"};
  return list;
}

const TChoiceList& ChannelChoices() {
  static const TChoiceList list{"Mono", "Stereo"};
  return list;
}

const TChoiceList& SampleSizeChoices() {
  static const TChoiceList list{"8 bit", "16 bit"};
  return list;
}

const TChoiceList& BitRateChoices() {
  static const TChoiceList list{"320 kbps", "256 kbps", "224 kbps", "192 kbps", "160 kbps",
                                "128 kbps", "112 kbps", "96 kbps",  "80 kbps"};
  return list;
}

const TChoiceList& Mp3QualityChoices() {
  static const TChoiceList list{"0 (best quality)", "1", "2", "3", "4", "5", "6", "7", "8", "9 (best speed)"};
  return list;
}

const TChoiceList& OggQualityChoices() {
  static const TChoiceList list{"0 (best speed)", "1", "2", "3", "4", "5", "6", "7", "8", "9 (best quality)"};
  return list;
}

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
    const TChoiceList fifteen{"8000Hz,mono,4kbps",      "8000Hz,mono,5kbps",      "8000Hz,mono,6kbps",
                              "8000Hz,mono,8kbps",      "11025Hz,mono,10kbps",    "16000Hz,mono,16kbps",
                              "22050Hz,mono,20kbps",    "22050Hz,stereo,20kbps",  "22050Hz,stereo,32kbps",
                              "32000Hz,stereo,32kbps",  "32000Hz,stereo,40kbps",  "32000Hz,stereo,48kbps",
                              "44100Hz,stereo,64kbps",  "44100Hz,stereo,96kbps",  "44100Hz,stereo,128kbps"};
    TChoiceList sixty;
    for (int copy = 0; copy < 4; ++copy) sixty.insert(sixty.end(), fifteen.begin(), fifteen.end());
    return sixty;
  }();
  return list;
}

int IndexInList(int index, int count, int defaultIndex) {
  return index >= 0 && index < count ? index : defaultIndex;
}

int NumberWithoutUnit(const std::string& text, int unitLength) {
  if (static_cast<int>(text.size()) <= unitLength) return 0;
  return StrToIntDef(Trim(text.substr(0, text.size() - unitLength)), 0);
}

int ChannelsOf(const std::string& text) { return text == "Stereo" ? 2 : 1; }

int QualityOf(const std::string& text) {
  return !text.empty() && std::isdigit(static_cast<unsigned char>(text[0])) ? text[0] - '0' : 0;
}

int OggQualityValue(int index) { return index * 100 + 99; }

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

// Shortcuts: a key with modifier bits, and their text as menus show it.

#include <algorithm>
#include <cctype>

#include "platform/framework/Menus.h"

namespace {

struct TKeyName {
  WORD key;
  const char* name;
};

// Keys whose text is not their character.
constexpr TKeyName kKeyNames[] = {
    {VK_BACK, "BkSp"},   {VK_TAB, "Tab"},     {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
    {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"},  {VK_NEXT, "PgDn"},    {VK_END, "End"},
    {VK_HOME, "Home"},   {VK_LEFT, "Left"},   {VK_UP, "Up"},        {VK_RIGHT, "Right"},
    {VK_DOWN, "Down"},   {VK_INSERT, "Ins"},  {VK_DELETE, "Del"},   {VK_ADD, "Num +"},
    {VK_SUBTRACT, "Num -"}, {VK_MULTIPLY, "Num *"}, {VK_DIVIDE, "Num /"},
};

constexpr struct {
  TShortCut bit;
  const char* name;
} kModifiers[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

std::string KeyText(WORD key) {
  for (const TKeyName& k : kKeyNames)
    if (k.key == key) return k.name;
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) return "Num " + std::to_string(key - VK_NUMPAD0);
  return {};
}

bool StartsWithNoCase(const std::string& text, std::size_t at, const std::string& prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[at + i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

}  // namespace

TShortCut ShortCut(WORD key, TShiftState shift) {
  if (key & 0xFF00) return scNone;
  TShortCut result = key;
  if (shift & ssShift) result |= scShift;
  if (shift & ssCtrl) result |= scCtrl;
  if (shift & ssAlt) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut shortCut, WORD& key, TShiftState& shift) {
  key = shortCut & 0xFF;
  shift = 0;
  if (shortCut & scShift) shift |= ssShift;
  if (shortCut & scCtrl) shift |= ssCtrl;
  if (shortCut & scAlt) shift |= ssAlt;
}

std::string ShortCutToText(TShortCut shortCut) {
  std::string key = KeyText(shortCut & 0xFF);
  if (key.empty()) return {};
  std::string text;
  for (auto& m : kModifiers)
    if (shortCut & m.bit) text += m.name;
  return text + key;
}

TShortCut TextToShortCut(const std::string& text) {
  TShortCut modifiers = 0;
  std::size_t at = 0;
  for (bool found = true; found;) {
    found = false;
    for (auto& m : kModifiers) {
      if (StartsWithNoCase(text, at, m.name)) {
        modifiers |= m.bit;
        at += std::string(m.name).size();
        found = true;
      }
    }
  }
  std::string rest = text.substr(at);
  if (rest.empty()) return scNone;
  for (int key = 1; key < 256; ++key) {
    std::string name = KeyText(static_cast<WORD>(key));
    if (!name.empty() && name.size() == rest.size() && StartsWithNoCase(rest, 0, name))
      return static_cast<TShortCut>(key | modifiers);
  }
  return scNone;
}

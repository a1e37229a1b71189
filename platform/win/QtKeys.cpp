#include "platform/win/QtKeys.h"

#include <QtCore/Qt>
#include <unordered_map>

#include "platform/os/VirtualKeys.h"

namespace detail {
namespace {

const std::unordered_map<int, int>& NamedKeys() {
  static const std::unordered_map<int, int> keys = {
      {Qt::Key_Escape, VK_ESCAPE},   {Qt::Key_Tab, VK_TAB},           {Qt::Key_Backtab, VK_TAB},
      {Qt::Key_Backspace, VK_BACK},  {Qt::Key_Return, VK_RETURN},     {Qt::Key_Enter, VK_RETURN},
      {Qt::Key_Insert, VK_INSERT},   {Qt::Key_Delete, VK_DELETE},     {Qt::Key_Pause, VK_PAUSE},
      {Qt::Key_Print, VK_SNAPSHOT},  {Qt::Key_Clear, VK_CLEAR},       {Qt::Key_Home, VK_HOME},
      {Qt::Key_End, VK_END},         {Qt::Key_Left, VK_LEFT},         {Qt::Key_Up, VK_UP},
      {Qt::Key_Right, VK_RIGHT},     {Qt::Key_Down, VK_DOWN},         {Qt::Key_PageUp, VK_PRIOR},
      {Qt::Key_PageDown, VK_NEXT},   {Qt::Key_Shift, VK_SHIFT},       {Qt::Key_Control, VK_CONTROL},
      {Qt::Key_Alt, VK_MENU},        {Qt::Key_AltGr, VK_MENU},        {Qt::Key_CapsLock, VK_CAPITAL},
      {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL}, {Qt::Key_Space, VK_SPACE},
      {Qt::Key_Menu, VK_APPS},       {Qt::Key_Meta, VK_LWIN},         {Qt::Key_Super_L, VK_LWIN},
      {Qt::Key_Super_R, VK_RWIN},
  };
  return keys;
}

const std::unordered_map<int, int>& KeypadKeys() {
  static const std::unordered_map<int, int> keys = {
      {Qt::Key_Asterisk, VK_MULTIPLY}, {Qt::Key_Plus, VK_ADD},     {Qt::Key_Minus, VK_SUBTRACT},
      {Qt::Key_Period, VK_DECIMAL},    {Qt::Key_Comma, VK_DECIMAL}, {Qt::Key_Slash, VK_DIVIDE},
  };
  return keys;
}

// X key codes of the main block's digit and punctuation keys.
const std::unordered_map<unsigned, int>& ScanCodeKeys() {
  static const std::unordered_map<unsigned, int> keys = {
      {10, '1'},         {11, '2'},          {12, '3'},           {13, '4'},         {14, '5'},
      {15, '6'},         {16, '7'},          {17, '8'},           {18, '9'},         {19, '0'},
      {20, VK_OEM_MINUS}, {21, VK_OEM_PLUS}, {34, VK_OEM_4},      {35, VK_OEM_6},    {47, VK_OEM_1},
      {48, VK_OEM_7},    {49, VK_OEM_3},     {51, VK_OEM_5},      {59, VK_OEM_COMMA}, {60, VK_OEM_PERIOD},
      {61, VK_OEM_2},
  };
  return keys;
}

}  // namespace

int VirtualKeyFromQt(int qtKey, bool keypad, unsigned scanCode) {
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return VK_F1 + (qtKey - Qt::Key_F1);
  if (keypad) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return VK_NUMPAD0 + (qtKey - Qt::Key_0);
    if (auto it = KeypadKeys().find(qtKey); it != KeypadKeys().end()) return it->second;
  }
  if (auto it = NamedKeys().find(qtKey); it != NamedKeys().end()) return it->second;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
  if (auto it = ScanCodeKeys().find(scanCode); it != ScanCodeKeys().end()) return it->second;
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  return 0;
}

}  // namespace detail

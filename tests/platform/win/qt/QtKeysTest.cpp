// Virtual-key codes of Qt key events (no display needed).

#include <gtest/gtest.h>

#include <QtCore/Qt>

#include "platform/os/VirtualKeys.h"
#include "platform/win/QtKeys.h"

namespace {

using detail::VirtualKeyFromQt;

TEST(QtKeysTest, LettersFunctionAndEditingKeys) {
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_A, false, 38), 'A');
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_F5, false, 71), VK_F5);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Return, false, 36), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Backtab, false, 23), VK_TAB) << "Shift+Tab is still Tab";
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_AltGr, false, 108), VK_MENU);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_PageDown, false, 117), VK_NEXT);
}

TEST(QtKeysTest, ShiftedDigitsAndPunctuationKeepTheirKey) {
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Exclam, false, 10), '1') << "Shift+1";
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_ParenRight, false, 19), '0');
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Question, false, 61), VK_OEM_2);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Minus, false, 20), VK_OEM_MINUS);
}

TEST(QtKeysTest, KeypadKeysAreTheirOwn) {
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_7, true, 79), VK_NUMPAD7);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Plus, true, 86), VK_ADD);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_Enter, true, 104), VK_RETURN);
  EXPECT_EQ(VirtualKeyFromQt(Qt::Key_unknown, false, 0), 0);
}

}  // namespace

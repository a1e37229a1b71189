#pragma once
// A headless window system per test, a window class whose procedure logs
// every message and lets a test answer some of them.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/win/Headless.h"
#include "platform/win/WinApi.h"

struct TLoggedMessage {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

// Answers a message instead of the default procedure, or passes (nullopt).
using TMessageHandler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

class WinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A window of the logging class ("TestWindow", CS_DBLCLKS, white background).
  HWND Create(DWORD style, TRect rect, HWND parent = nullptr, DWORD exStyle = 0,
              const std::string& text = "");
  HWND CreateTop(TRect rect, DWORD style = WS_POPUP | WS_VISIBLE);
  HWND CreateChild(HWND parent, TRect rect, DWORD style = WS_CHILD | WS_VISIBLE);

  void Handle(HWND hwnd, UINT message, TMessageHandler handler);

  std::vector<TLoggedMessage> Logged(UINT message) const;
  std::vector<TLoggedMessage> Logged(HWND hwnd, UINT message) const;
  int Count(HWND hwnd, UINT message) const { return static_cast<int>(Logged(hwnd, message).size()); }
  void ClearLog();
};

// Pixels of a bitmap as 0x00BBGGRR.
TColor PixelOf(const TBitmap& bitmap, int x, int y);

#pragma once
// Reference pictures of windows. A test shoots a top-level window of the
// headless window system and compares the shot with a PNG file kept under
// tests/, allowing a small difference, so that an unintended change of
// look fails. A failing comparison writes the shot and a picture of the
// differing pixels to build/shots/ for a look.
//
// After an intended change of look, regenerate every reference a test
// program compares with, then look at each picture before committing:
//   VELMORA_UPDATE_SHOTS=1 build/tests/recorder/test_recorder --gtest_filter='*Shot*'

#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/win/WinApi.h"

// The window as the screen shows it, its whole rectangle; what lies
// outside its region is white.
std::unique_ptr<TBitmap> ShootWindow(HWND window);

// Empty when the shot matches the reference (a path below tests/, such as
// "recorder/shots/confirm.png"); otherwise what differs. With
// VELMORA_UPDATE_SHOTS set the shot becomes the reference instead.
std::string CompareWithReference(const TBitmap& shot, const std::string& reference);

// The colour the skin's pictures mark their transparent parts with.
constexpr TColor kSkinKeyColour = 0xFF00FF;
// How many pixels of the shot show the key colour: none should reach the screen.
int KeyColourPixels(const TBitmap& shot);

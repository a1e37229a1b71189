#pragma once
// Theme components: the non-visual component that loads a theme file for
// the skinned controls pointing to it, its variant that carries the whole
// theme file inside the form description, and the look query the
// controls make whenever they (re)load their look.

#include <memory>
#include <string>

#include "platform/framework/Component.h"
#include "skin/ZELThemes.h"

class TBitmap;

// Names a theme file, loads it and answers the controls' item queries by
// group index (colours, bitmaps, integers, flags).
class TzelFileTheme : public TComponent {
 public:
  explicit TzelFileTheme(TComponent* owner);
  ~TzelFileTheme() override;

  std::string ClassName() const override { return "TzelFileTheme"; }

  // The path the theme was loaded from. Setting searches for the file
  // (the value, then beside the program, the Windows folder and the
  // system folder), loads it and refreshes the controls using this theme.
  // A file found nowhere changes nothing; the same path loads again.
  // The recorder's older build does nothing for the stored path, raises "Invalid
  // skin file for ZELPack!" for a file that is no older theme file and
  // lets a damaged one's error through (the theme is then not ready).
  const std::string& ThemeFile() const { return themeFile_; }
  void SetThemeFile(const std::string& value);

  // A non-empty password reloads the current theme file with it.
  const std::string& Password() const { return password_; }
  void SetPassword(const std::string& value);

  // True while a theme file is loaded; only loading changes it.
  bool Ready() const { return ready_; }
  void SetReady(bool) {}
  bool IsReady() const { return ready_; }

  // Item queries by group index (by element number 1..48 in the
  // recorder's older build); without a loaded theme: bitmap null, flag
  // false, colour and integer 0.
  TBitmap* GetBitmap(int index) const;
  // count and part both non-zero: piece `part` of `count`; otherwise the
  // whole bitmap. A missing item leaves dest empty (unchanged in the
  // recorder's older build).
  void GetBitmapFrame(int index, TBitmap* dest, int count, int part) const;
  bool GetBool(int index) const;
  int GetColor(int index) const;
  int GetInteger(int index) const;

 protected:
  // Searches and loads without comparing with the stored path.
  void LoadThemeFile(const std::string& value);

 private:
  void RefreshUsers(bool firstAssignment);

  std::unique_ptr<TzelFileThemeMgr> manager_;
  std::string themeFile_;
  std::string password_;
  bool ready_ = false;
};

// A theme component whose theme file travels inside the form description
// as the binary stored property "SkinData".
class TzelBuiltInFileTheme : public TzelFileTheme {
 public:
  explicit TzelBuiltInFileTheme(TComponent* owner);
  ~TzelBuiltInFileTheme() override;

  std::string ClassName() const override { return "TzelBuiltInFileTheme"; }

  // The design-time path of the theme file; setting it also loads it as
  // the base component does. TzelFileTheme::ThemeFile() is the path the
  // theme was actually loaded from.
  const std::string& ThemeFile() const { return designThemeFile_; }
  void SetThemeFile(const std::string& value);

  // The bytes written as SkinData: the file named by ThemeFile, empty
  // when it does not exist (then nothing is written).
  TBytes SkinData() const;
  // Loads a theme from the given theme-file bytes through a temporary
  // file that is always removed afterwards. The recorder's older build
  // names it "ZELPAKT.zel" (made unique) and lets a failure raise.
  void LoadSkinData(const TBytes& data);

 private:
  void LoadOlderSkinData(const TBytes& data);

  std::string designThemeFile_;
};

// Style := uiStyle. With FromThemeFile and a ready theme: true. With
// FromThemeFile and no ready theme: Style := DeepBlue and false. Any
// other look: false.
bool UsingFileTheme(const TzelFileTheme* fileTheme, TzelUIStyle uiStyle, TzelUIStyle& style);

// The caption colour a theme file gives title text: its title font colour
// (element 44 of the recorder's files, SKIN2_TITLEFONTCOLOR of the
// editor's); a theme without one asks for black through a few control
// font colours, else white.
TColor ThemeTitleFontColor(const TzelFileTheme& theme);

// Folders with a trailing separator.
std::string GetWindowsFolder();
std::string GetSystemFolder();
std::string GetTempFolder();

#pragma once
// The common dialogs as components: choosing files to open or save, a
// colour, and a folder. Execute shows the dialog modally and answers
// whether the user accepted it; the properties then hold the choice.

#include <string>
#include <vector>

#include "platform/framework/Component.h"
#include "platform/framework/StringList.h"

using TOpenOptions = unsigned;
constexpr TOpenOptions ofOverwritePrompt = 0x0001;
constexpr TOpenOptions ofAllowMultiSelect = 0x0002;
constexpr TOpenOptions ofPathMustExist = 0x0004;
constexpr TOpenOptions ofFileMustExist = 0x0008;

class TCommonDialog : public TComponent {
 public:
  explicit TCommonDialog(TComponent* owner);
  std::string ClassName() const override { return "TCommonDialog"; }
  std::string Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }
  virtual bool Execute() = 0;

 private:
  std::string title_;
};

// One entry of a filter: "Audio files|*.mp3;*.wav" gives the name and two
// patterns.
struct TFileFilterEntry {
  std::string Name;
  std::vector<std::string> Patterns;
};
// Reads "Name|patterns|Name|patterns..."; a name without patterns at the
// end is left out, empty patterns mean every file.
std::vector<TFileFilterEntry> ParseFileFilter(const std::string& filter);

class TOpenDialog : public TCommonDialog {
 public:
  explicit TOpenDialog(TComponent* owner);
  std::string ClassName() const override { return "TOpenDialog"; }

  std::string Filter() const { return filter_; }
  void SetFilter(const std::string& value) { filter_ = value; }
  // 1-based, as the filter lists them.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  // Added to a name typed without an extension: the extension of the
  // chosen filter when it names one, else this (without the dot).
  std::string DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& value);
  std::string InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& value) { initialDir_ = value; }
  // The file to start with, and the (first) file chosen.
  std::string FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  // Every file chosen (several with ofAllowMultiSelect).
  TStringList* Files() { return &files_; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions value) { options_ = value; }

  bool Execute() override;

 protected:
  virtual bool IsSave() const { return false; }

 private:
  std::string WithDefaultExt(const std::string& file, int filterIndex) const;
  // A message when the files cannot be taken (the dialog then comes back).
  bool Acceptable(const std::vector<std::string>& files);

  std::string filter_;
  int filterIndex_ = 1;
  std::string defaultExt_;
  std::string initialDir_;
  std::string fileName_;
  TStringList files_;
  TOpenOptions options_ = 0;
};

class TSaveDialog : public TOpenDialog {
 public:
  explicit TSaveDialog(TComponent* owner) : TOpenDialog(owner) {}
  std::string ClassName() const override { return "TSaveDialog"; }

 protected:
  bool IsSave() const override { return true; }
};

using TColorDialogOptions = unsigned;
constexpr TColorDialogOptions cdFullOpen = 0x0001;

class TColorDialog : public TCommonDialog {
 public:
  explicit TColorDialog(TComponent* owner);
  std::string ClassName() const override { return "TColorDialog"; }
  TColor Color() const { return color_; }
  void SetColor(TColor value) { color_ = value; }
  TColorDialogOptions Options() const { return options_; }
  void SetOptions(TColorDialogOptions value) { options_ = value; }
  bool Execute() override;

 private:
  TColor color_ = 0;
  TColorDialogOptions options_ = 0;
};

// Asks for a folder, starting in folder (or root when folder is empty);
// on acceptance folder holds the choice.
bool SelectDirectory(const std::string& title, const std::string& root, std::string& folder);

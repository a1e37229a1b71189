#pragma once
// Where a skinned control reads its look from, settled by UsingFileTheme
// each time the control (re)loads it. The built-in looks and the
// recorder's theme files answer by element number (1..48); the editor's
// theme files by group item, laid out differently for some controls.

#include "platform/base/Types.h"
#include "skin/ZELThemes.h"

class TBitmap;
class TzelFileTheme;

class TzelLookSource {
 public:
  TzelLookSource(const TzelFileTheme* fileTheme, TzelUIStyle uiStyle);

  // The look UsingFileTheme gave: FromThemeFile with a ready theme,
  // DeepBlue for FromThemeFile without one.
  TzelUIStyle Look() const { return look_; }
  bool FromFile() const { return file_ != nullptr; }
  // A ready theme file of the editor's build: read it by group item.
  bool ByItem() const;
  const TzelFileTheme& File() const { return *file_; }

  // By element, from the recorder's theme file or the built-in look. A
  // file lacking the element gives -1 (colour, integer) or false; a
  // missing picture leaves dest as it was, missing built-in art raises
  // EResNotFound.
  TColor ElementColor(int element) const;
  int ElementInteger(int element) const;
  bool ElementBool(int element) const;
  void ElementBitmap(int element, TBitmap& dest, int count = 0, int part = 0) const;

  // The colour by element, or the editor's theme-file colour item.
  TColor Color(int element, int item) const;

 private:
  const TzelFileTheme* file_ = nullptr;
  TzelUIStyle look_ = DeepBlue;
};

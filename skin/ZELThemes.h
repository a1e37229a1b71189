#pragma once
// The looks of the skinned controls, the five built-in theme tables and
// the manager that answers a theme file's items by group and index.

#include <cstdint>
#include <memory>
#include <string>

class TBitmap;
class TComponent;
class Tsk2SkinFileReader;
class TzelThemeFileReader;

// The look of a skinned control (published as UIStyle).
enum TzelUIStyle : std::uint8_t {
  FromThemeFile = 0,
  MacOS = 1,
  WinXP = 2,
  DeepBlue = 3,
  Protein = 4,
  BlueGlass = 5
};

// How the 32-bit value of a built-in element reads.
enum TzelThemeItemKind : std::uint8_t {
  zelKindInteger = 0,
  zelKindColor = 1,
  zelKindBitmap = 2,  // the value names a bitmap resource
  zelKindBool = 3
};

// Built-in elements are numbered 1..48.
constexpr int zelFirstElement = 1;
constexpr int zelLastElement = 48;

// The element names, also the keys of the recorder's older theme files;
// "" outside 1..48.
const char* BuiltInElementName(int element);

// The look of a control created with this owner: the UIStyle of the
// first TzelForm among the owning form's child controls, else DeepBlue.
TzelUIStyle GetOwnerUIStyle(TComponent* owner);

// The raw value of an element and its kind. A look outside 1..5 gives -1
// with kind integer. A bitmap element gives 1 when it names a resource
// and 0 when its name is empty; GetBuiltInThemeBitmapName gives the name.
int GetBuiltInThemeItem(TzelUIStyle style, int element, TzelThemeItemKind& kind);

// The resource name of a bitmap element; "" when the element is no bitmap.
std::string GetBuiltInThemeBitmapName(TzelUIStyle style, int element);

// count 0: dest loads the element's whole bitmap. count > 0: dest gets
// piece `part` of `count`. Nothing happens when dest is null or the
// element is no bitmap; a missing resource raises EResNotFound.
void GetBuiltInThemeBitmap(TzelUIStyle style, int element, TBitmap* dest, int count, int part);

// The value when the element is of the asked kind; otherwise colour 0,
// bool 0 and integer -1.
int GetBuiltInThemeColor(TzelUIStyle style, int element);
int GetBuiltInThemeBool(TzelUIStyle style, int element);
int GetBuiltInThemeInteger(TzelUIStyle style, int element);

// Holds the theme file a theme component has loaded and turns a group
// index into the item's name. The recorder's older build loads its older
// theme files instead, which answer by element number 1..48.
class TzelFileThemeMgr {
 public:
  TzelFileThemeMgr();
  ~TzelFileThemeMgr();
  TzelFileThemeMgr(const TzelFileThemeMgr&) = delete;
  TzelFileThemeMgr& operator=(const TzelFileThemeMgr&) = delete;

  // False, with nothing changed, when the file does not exist. Otherwise
  // the current theme is dropped and the file loaded; false when that
  // fails for any reason. In the older build a damaged file raises its
  // error to the caller (no theme is left) and the password is unused.
  bool LoadFromFile(const std::string& fileName, const std::string& password);

  bool HasReader() const { return reader_ != nullptr || olderReader_ != nullptr; }

  // Without a loaded theme: colour 0, integer 0, bitmap null, flag false.
  // A missing item: colour and integer -1, bitmap null, flag false. The
  // bitmap stays owned by the manager until the next load.
  int GetColor(int index) const;
  TBitmap* GetBitmap(int index) const;
  int GetInteger(int index) const;
  bool GetBool(int index) const;

 private:
  bool LoadOlderFile(const std::string& fileName);
  int OlderInteger(int element) const;
  TBitmap* OlderBitmap(int element) const;
  bool OlderBool(int element) const;

  std::unique_ptr<Tsk2SkinFileReader> reader_;
  std::unique_ptr<TzelThemeFileReader> olderReader_;
};

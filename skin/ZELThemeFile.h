#pragma once
// The recorder's older theme files (".zel"): an uncompressed chain of
// named items, keyed by the 48 element names of the built-in tables.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/Types.h"

class TBitmap;
class TMemoryStream;
namespace detail {
class TItemBudget;
}

// True when the file can be read and its first 12 bytes, as text up to
// the first zero byte, are exactly "ZELPack_TB".
bool IsThemeFile(const std::string& fileName);

// Reads a whole ".zel" file into memory. A damaged file (an offset,
// length or chain link outside the file, a loop, an image that is no
// bitmap, items or pictures beyond what a theme may take) raises
// EReadError or EInvalidGraphic; a file that cannot be
// opened raises EFOpenError. The magic is not checked here.
class TzelThemeFileReader : public TObject {
 public:
  explicit TzelThemeFileReader(const std::string& fileName);
  ~TzelThemeFileReader() override;
  TzelThemeFileReader(const TzelThemeFileReader&) = delete;
  TzelThemeFileReader& operator=(const TzelThemeFileReader&) = delete;

  std::string ClassName() const override { return "TzelThemeFileReader"; }

  // Lookups ignore case and take the first entry of the name.
  // The image's bitmap file, positioned at 0; null when absent.
  TMemoryStream* GetStream(const std::string& name) const;
  // The image decoded; null when absent. Owned by the reader.
  TBitmap* GetBitmap(const std::string& name) const;
  // -1 when absent.
  int GetInt(const std::string& name) const;
  // True when present and not 0.
  bool GetBool(const std::string& name) const;

  int ImageCount() const { return static_cast<int>(images_.size()); }
  int IntegerCount() const { return static_cast<int>(integers_.size()); }
  int FlagCount() const { return static_cast<int>(flags_.size()); }
  int TextCount() const { return static_cast<int>(texts_.size()); }

 private:
  struct TImage {
    std::string name;
    std::unique_ptr<TMemoryStream> stream;
    std::unique_ptr<TBitmap> bitmap;
  };

  void AddImage(const std::string& name, const std::vector<std::uint8_t>& data, detail::TItemBudget& budget);

  std::vector<TImage> images_;
  std::vector<std::pair<std::string, int>> integers_;
  std::vector<std::pair<std::string, bool>> flags_;
  std::vector<std::pair<std::string, std::string>> texts_;  // kept, never asked for
};

#pragma once
// Theme files: a ZIP archive marked "SK" holding the item file
// "SKINDATA.SK2", whose named bitmaps, integers, flags and texts the
// reader keeps in memory.

#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/Bitmap.h"

// Results of ExtractSkinEntry.
constexpr int zelExtractOk = 0;
constexpr int zelExtractFailed = 1;    // no theme file, no such entry, unreadable, or empty
constexpr int zelExtractDamaged = 2;   // password missing or wrong, the entry damaged or of another size than it states

// Inflates the entry into outputFile (created or emptied). An entry that
// states or inflates to more than any theme needs (detail::kMaxItemFileSize)
// is damaged. On any result but zelExtractOk the output file is deleted.
int ExtractSkinEntry(const std::string& archiveFile, const std::string& entryName, const std::string& outputFile,
                     const std::string& password);

class Tsk2SkinFileReader {
 public:
  // Loads the theme file. Raises Exception("Failed to read skin file!")
  // when it is no theme file or cannot be read, and a stream or graphic
  // error when its item file is damaged or its items claim more than a
  // theme may take (see detail::TItemBudget); a password problem or a
  // damaged entry leaves the reader empty with Loaded() false.
  Tsk2SkinFileReader(const std::string& fileName, const std::string& password);
  ~Tsk2SkinFileReader();
  Tsk2SkinFileReader(const Tsk2SkinFileReader&) = delete;
  Tsk2SkinFileReader& operator=(const Tsk2SkinFileReader&) = delete;

  bool Loaded() const { return loaded_; }

  // Lookups ignore case and take the first item of the name.
  // The bitmap stays owned by the reader; null when absent.
  TBitmap* GetBitmap(const std::string& name) const;
  // -1 when absent.
  int GetInteger(const std::string& name) const;
  // True when present and not 0.
  bool GetBool(const std::string& name) const;

  int BitmapCount() const { return static_cast<int>(bitmaps_.size()); }
  int IntegerCount() const { return static_cast<int>(integers_.size()); }
  int FlagCount() const { return static_cast<int>(flags_.size()); }
  int TextCount() const { return static_cast<int>(texts_.size()); }

 private:
  void ParseItemFile(const std::string& itemFile);

  std::vector<std::pair<std::string, std::unique_ptr<TBitmap>>> bitmaps_;
  std::vector<std::pair<std::string, int>> integers_;
  std::vector<std::pair<std::string, bool>> flags_;
  std::vector<std::pair<std::string, std::string>> texts_;  // kept, never asked for
  bool loaded_ = false;
};

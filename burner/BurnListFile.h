#pragma once
// Burn-list files (".wbl"): an ini file whose section BurnProject holds the
// burn type's index (Project), the number of items (ItemCount) and each
// item's full path (Item1 ... ItemN), in list order.

#include <string>
#include <vector>

struct TBurnList {
  int project = 0;  // 0 Audio CD, 1 MP3 CD, 2 WMA CD
  std::vector<std::string> items;
};

// The name a list is saved under: ".wbl" is added unless the name already
// ends with it, in any case of letters.
std::string BurnListFileName(const std::string& chosen);

// Writes the keys into the file (keys of a longer earlier list stay and
// are never read). Throws EIniFileException when the file cannot be written.
void SaveBurnListFile(const std::string& fileName, const TBurnList& list);

// A missing file is an empty list. The type is brought into 0..2, and no
// more items are read than the section holds keys, whatever ItemCount says.
TBurnList ReadBurnListFile(const std::string& fileName);

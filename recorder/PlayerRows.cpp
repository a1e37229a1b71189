#include "recorder/PlayerRows.h"

#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"

TColor RowColorOfMarker(int marker) {
  switch (marker) {
    case kMarkerPlaying: return 14548940;
    case kMarkerRecording: return 10070783;
    case kMarkerConverting: return 16759722;
    case kMarkerRecordedNow: return 16764159;
    default: return 16777215;
  }
}

int ComparePlayListCells(int column, const std::string& a, const std::string& b) {
  if (column == kColumnSize) return CompareText(SizeSortKey(a), SizeSortKey(b));
  return CompareText(a, b);
}

TRowCommands RowCommandsFor(bool hasRow, int marker, bool converting) {
  TRowCommands commands;
  if (!hasRow) return commands;
  commands.convert = !converting;
  commands.mail = true;
  switch (marker) {
    case kMarkerConverting: commands.cancel = true; break;
    case kMarkerOrdinary:
      commands.rename = true;
      commands.remove = true;
      break;
    case kMarkerRecording: commands.mail = false; break;
    default: break;  // playing, or recorded since start-up
  }
  return commands;
}

std::string RenamedFileName(const std::string& typed, const std::string& oldName) {
  const std::string name = ChangeFileExt(Trim(typed), ExtractFileExt(oldName));
  const std::string stem = name.substr(0, name.size() - ExtractFileExt(oldName).size());
  if (Trim(stem).empty() || stem == "." || stem == ".." || name.find('/') != std::string::npos) return {};
  return name;
}

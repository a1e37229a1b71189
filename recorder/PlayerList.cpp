// The player's file list: the audio files of the folder chosen in the
// tree, their markers, sorting, and the rows added after a recording.

#include <algorithm>
#include <vector>

#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "recorder/AudioFolder.h"
#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Player.h"
#include "recorder/PlayerRows.h"
#include "recorder/WindowSkin.h"

namespace {

constexpr int kCellFormat = 0;  // sub-item indexes
constexpr int kCellDuration = 1;
constexpr int kCellSize = 2;
constexpr int kCellStatus = 3;

const char* const kNoFolderChange = "You will not be able to change folder while playing or converting.";

std::string CellOf(TListItem* item, int column) {
  if (column == kColumnName) return item->Caption();
  const int cell = column - 1;
  return cell < item->SubItems()->Count() ? item->SubItems()->Strings(cell) : std::string();
}

}  // namespace

void TfrmPlayer::CreateFileList() {
  STV = new TShellTreeView(this);
  STV->SetName("STV");
  STV->SetParent(this);
  STV->SetBounds(6, 70, 190, 472);
  STV->OnClick = [this](TObject*) { STVClick(); };
  STV->OnChanging = [this](TObject*, TTreeNode*, bool& allow) {
    if (!PlayingOrConverting()) return;
    allow = false;
    ShowMessage(kNoFolderChange);
  };

  lvPlayList = new TPlayListView(this);
  lvPlayList->SetName("lvPlayList");
  lvPlayList->RowColor = [](TListItem* item) { return RowColorOfMarker(MarkerOf(item)); };
  lvPlayList->SetParent(this);
  lvPlayList->SetBounds(202, 262, 509, 280);
  lvPlayList->SetRowSelect(true);
  lvPlayList->SetGridLines(true);
  lvPlayList->SetReadOnly(true);
  AddColumns(lvPlayList, {{"File name", 155, taLeftJustify}, {"Format", 48, taLeftJustify},
                          {"Duration", 86, taRightJustify}, {"Size", 70, taRightJustify}, {"Status", 140, taCenter}});
  CompanionScrollBars(lvPlayList, sbPlayListV, sbPlayListH);
  lvPlayList->OnColumnClick = [this](TObject*, TListColumn* column) { SortByColumn(column->Index()); };
  lvPlayList->OnClick = [this](TObject*) { ShowFormatOfClickedRow(); };
}

int TfrmPlayer::MarkerOf(TListItem* item) { return LeadingBlankCount(CellOf(item, kColumnDuration)); }

void TfrmPlayer::SetMarker(TListItem* item, int marker) {
  if (item->SubItems()->Count() <= kCellDuration) return;
  item->SubItems()->SetStrings(kCellDuration, IndentText(item->SubItems()->Strings(kCellDuration), marker));
}

std::string TfrmPlayer::PathOf(TListItem* item) const { return currentFolder_ + item->Caption(); }

void TfrmPlayer::STVClick() {
  if (listing_ || !PlayingOrConverting()) {
    ListFolder();
    return;
  }
  const std::string treePath = IncludeTrailingPathDelimiter(STV->SelectedFolder());
  if (treePath != currentFolder_) ShowMessage(kNoFolderChange);
}

void TfrmPlayer::RefreshFileList() {
  currentFolder_.clear();
  ListFolder();
}

void TfrmPlayer::ListFolder() {
  // Asked for again while a folder is read: the read under way starts over.
  if (listing_) {
    relist_ = true;
    return;
  }
  for (;;) {
    listing_ = true;
    sortColumn_ = 0;
    ReadFolder();
    listing_ = false;
    if (!relist_) return;
    // Another folder was chosen, or a fresh read asked for, meanwhile.
    relist_ = false;
  }
}

void TfrmPlayer::ReadFolder() {
  const std::string treePath = STV->SelectedFolder();
  if (treePath.empty()) return;
  const std::string folder = IncludeTrailingPathDelimiter(treePath);
  if (folder == currentFolder_) return;  // the same folder is not read twice
  currentFolder_ = folder;
  // The rows that play or convert keep their state through a fresh read.
  const std::string playingName = NameOfRow(playingRowIndex_);
  const std::string convertingName = NameOfRow(convertingRowIndex_);
  lvPlayList->Items()->Clear();
  Label1->SetCaption("");

  const TFolderRead read = ForEachAudioFile(folder, [&](const std::string& name) {
    const std::string path = folder + name;
    if (IsBeingRecorded(path)) return true;
    TListItem* item = AddRow(name, GetFileSize64(path), RecordedSinceStart(path));
    if (name == playingName) SetMarker(item, kMarkerPlaying);
    if (name == convertingName) SetMarker(item, kMarkerConverting);
    Application->ProcessMessages();
    return !relist_;
  });
  if (read == TFolderRead::Unreadable) {
    // Forgotten, so choosing it again tries once more.
    currentFolder_.clear();
    FindTrackedRows();
    ShowMessage("The folder \"" + folder + "\" cannot be read.");
    return;
  }
  if (read == TFolderRead::Stopped) {
    // Half read: the next read must not take it for done.
    currentFolder_.clear();
    FindTrackedRows();
    return;
  }
  SortByColumn(kColumnName);
}

bool TfrmPlayer::IsBeingRecorded(const std::string& path) const {
  if (!frmMain || !frmMain->Recording()) return false;
  const TRecordRows& rows = frmMain->RecordRows();
  return rows.Count() > 0 && rows.Row(rows.Count() - 1).Path == path;
}

bool TfrmPlayer::RecordedSinceStart(const std::string& path) {
  if (!frmMain) return false;
  const TRecordRows& rows = frmMain->RecordRows();
  for (int i = 0; i < rows.Count(); ++i)
    if (rows.Row(i).Path == path) return true;
  return false;
}

std::string TfrmPlayer::NameOfRow(int index) const {
  TListItems* items = lvPlayList->Items();
  return index >= 0 && index < items->Count() ? items->Item(index)->Caption() : std::string();
}

TListItem* TfrmPlayer::AddRow(const std::string& name, std::int64_t size, bool recordedNow) {
  AI.Open(currentFolder_ + name);
  TListItem* item = lvPlayList->Items()->Add();
  item->SetCaption(name);
  TStringList* cells = item->SubItems();
  cells->Add(FormatNameOfFile(name));
  cells->Add(Blanks(recordedNow ? kMarkerRecordedNow : kMarkerOrdinary) + FormatDurationClock(AI.DurationMs()));
  cells->Add(FormatByteSize(std::max<std::int64_t>(size, 0)));
  cells->Add(" ");
  return item;
}

void TfrmPlayer::AddFileToList(const std::string& path, bool recordedNow) {
  // A row always names a file of the current folder: rename and delete
  // act on folder + name, so a file from elsewhere must not get a row here.
  if (currentFolder_.empty() || ExtractFilePath(path) != currentFolder_) return;
  // The read under way may have passed the file already: read again.
  if (listing_) {
    RefreshFileList();
    return;
  }
  const std::string name = ExtractFileName(path);
  if (FormatNameOfFile(name).empty()) return;
  // A file written over an old one of the same name keeps one row.
  TListItems* items = lvPlayList->Items();
  for (int i = 0; i < items->Count(); ++i) {
    TListItem* item = items->Item(i);
    if (item->Caption() != name || MarkerOf(item) == kMarkerPlaying || MarkerOf(item) == kMarkerConverting) continue;
    AI.Open(path);
    item->SubItems()->SetStrings(kCellDuration, Blanks(recordedNow ? kMarkerRecordedNow : kMarkerOrdinary) +
                                                    FormatDurationClock(AI.DurationMs()));
    item->SubItems()->SetStrings(kCellSize, FormatByteSize(std::max<std::int64_t>(GetFileSize64(path), 0)));
    item->SubItems()->SetStrings(kCellStatus, "");
    lvPlayList->Invalidate();
    return;
  }
  AddRow(name, GetFileSize64(path), recordedNow)->SubItems()->SetStrings(kCellStatus, "");
}

void TfrmPlayer::SortByColumn(int column) {
  if (Renaming()) EndRename(true);
  sortColumn_ = column;
  lvPlayList->CustomSort(
      [column](TListItem* a, TListItem* b, LPARAM) {
        return ComparePlayListCells(column, CellOf(a, column), CellOf(b, column));
      },
      0);
  FindTrackedRows();
  lvPlayList->Invalidate();
}

void TfrmPlayer::FindTrackedRows() {
  const bool trackPlaying = playingRowIndex_ >= 0;
  const bool trackConverting = convertingRowIndex_ >= 0;
  bool playingFound = false;
  TListItems* items = lvPlayList->Items();
  for (int i = 0; i < items->Count(); ++i) {
    const int marker = MarkerOf(items->Item(i));
    if (trackPlaying && marker == kMarkerPlaying) {
      playingRowIndex_ = i;
      playingFound = true;
    }
    if (trackConverting && marker == kMarkerConverting) convertingRowIndex_ = i;
  }
  // The playing file left the list: its playback ends with it. (A
  // conversion keeps its index, so closing still asks about it.)
  if (trackPlaying && !playingFound) {
    playingRowIndex_ = -1;
    StopPlaying();
  }
}

void TfrmPlayer::ShowFormatOfClickedRow() {
  if (lvPlayList->SelCount() != 1) return;
  AI.Open(PathOf(lvPlayList->Selected()));
  Label1->SetCaption(AI.FormatText());
}

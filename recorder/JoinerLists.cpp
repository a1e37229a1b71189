// The joiner's two lists: the files of the folder chosen in the tree, the
// join list and its order, the info strip under them, and listening to
// the file last clicked.

#include <algorithm>

#include "platform/base/Exceptions.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Clock.h"
#include "platform/os/Files.h"
#include "recorder/AudioFolder.h"
#include "recorder/GlobeVar.h"
#include "recorder/JoinList.h"
#include "recorder/Joiner.h"
#include "recorder/PlayerRows.h"

namespace {

constexpr int kJoinColumnDuration = 2;
constexpr int kJoinCellStatus = 3;  // the Status column's sub-item
constexpr int kBlockMs = 166;
constexpr int kLineGap = 30;  // between the strip's two lines
constexpr std::uint64_t kInfoHoldMs = 4000;  // the clicked file's format shows this long
constexpr unsigned kRollMs = 30;             // then the lines move up a pixel this often

std::string CellOf(TListItem* item, int column) {
  if (column == 0) return item->Caption();
  const int cell = column - 1;
  return cell < item->SubItems()->Count() ? item->SubItems()->Strings(cell) : std::string();
}

// A row's texts, check mark and selection, as a move carries them.
struct TRowCopy {
  std::string caption;
  std::vector<std::string> cells;
  bool checked = false;
  bool selected = false;
};

}  // namespace

// ---- The folder's files -------------------------------------------------------------

void TfrmJoiner::ListFolder() {
  // Asked for again while a folder is read: the read under way starts over.
  if (listing_) {
    relist_ = true;
    return;
  }
  do {
    relist_ = false;
    listing_ = true;
    ReadFolder();
    listing_ = false;
  } while (relist_);
}

void TfrmJoiner::ReadFolder() {
  const std::string treePath = STV->SelectedFolder();
  if (treePath.empty()) return;
  const std::string folder = IncludeTrailingPathDelimiter(treePath);
  if (folder == currentFolder_) return;  // the same folder is not read twice
  currentFolder_ = folder;
  lvFolderList->Items()->Clear();
  const TFolderRead read = ForEachAudioFile(folder, [&](const std::string& name) {
    AI.Open(folder + name);
    TListItem* item = lvFolderList->Items()->Add();
    item->SetCaption(name);
    item->SubItems()->Add(FormatNameOfFile(name));
    item->SubItems()->Add(FormatDurationClock(AI.DurationMs()));
    item->SubItems()->Add(FormatByteSize(std::max<std::int64_t>(GetFileSize64(folder + name), 0)));
    Application->ProcessMessages();
    return !relist_;
  });
  // Half read or unreadable: choosing the folder again reads it again.
  if (read != TFolderRead::Done) currentFolder_.clear();
}

void TfrmJoiner::SortFolderList(int column) {
  sortColumn_ = column;
  lvFolderList->CustomSort(
      [column](TListItem* a, TListItem* b, LPARAM) {
        return ComparePlayListCells(column, CellOf(a, column), CellOf(b, column));
      },
      0);
  lvFolderList->Invalidate();
}

void TfrmJoiner::FolderListClick() {
  if (lvFolderList->SelCount() != 1) return;
  fileToPlay_ = currentFolder_ + lvFolderList->Selected()->Caption();
  AI.Open(fileToPlay_);
  Label1->SetCaption(AI.FormatText());
  RestartInfo();
}

// ---- The join list ------------------------------------------------------------------

void TfrmJoiner::AppendToJoinList(TListItem* folderRow) {
  const std::string path = currentFolder_ + folderRow->Caption();
  TListItems* rows = lvJoinList->Items();
  for (int i = 0; i < rows->Count(); ++i)
    if (rows->Item(i)->Caption() == path) return;
  TListItem* row = rows->Add();
  row->SetCaption(path);
  for (int cell = 0; cell < folderRow->SubItems()->Count(); ++cell)
    row->SubItems()->Add(folderRow->SubItems()->Strings(cell));
  row->SubItems()->Add(" ");
  row->SetChecked(true);
}

void TfrmJoiner::btnAddClick() {
  if (lvFolderList->SelCount() == 0) return;
  TListItems* rows = lvFolderList->Items();
  for (int i = 0; i < rows->Count(); ++i)
    if (rows->Item(i)->Selected()) AppendToJoinList(rows->Item(i));
  ListChanged();
}

void TfrmJoiner::btnAddAllClick() {
  TListItems* rows = lvFolderList->Items();
  for (int i = 0; i < rows->Count(); ++i) AppendToJoinList(rows->Item(i));
  ListChanged();
}

void TfrmJoiner::btnRemoveClick() {
  TListItems* rows = lvJoinList->Items();
  for (int i = rows->Count() - 1; i >= 0; --i)
    if (rows->Item(i)->Selected()) rows->Delete(i);
  currentJoinRow_ = -1;
  ListChanged();
}

void TfrmJoiner::btnRemoveAllClick() {
  lvJoinList->Items()->Clear();
  currentJoinRow_ = -1;
  ListChanged();
}

std::vector<bool> TfrmJoiner::JoinRowsSelected() {
  std::vector<bool> selected;
  TListItems* rows = lvJoinList->Items();
  for (int i = 0; i < rows->Count(); ++i) selected.push_back(rows->Item(i)->Selected());
  return selected;
}

void TfrmJoiner::btnUpClick() { Reorder(OrderAfterMoveUp(JoinRowsSelected())); }
void TfrmJoiner::btnDownClick() { Reorder(OrderAfterMoveDown(JoinRowsSelected())); }
void TfrmJoiner::btnFirstClick() { Reorder(OrderWithSelectedFirst(JoinRowsSelected())); }
void TfrmJoiner::btnLastClick() { Reorder(OrderWithSelectedLast(JoinRowsSelected())); }

void TfrmJoiner::Reorder(const std::vector<int>& order) {
  TListItems* rows = lvJoinList->Items();
  std::vector<TRowCopy> copies;
  for (int i = 0; i < rows->Count(); ++i) {
    TListItem* row = rows->Item(i);
    TRowCopy copy{row->Caption(), {}, row->Checked(), row->Selected()};
    for (int cell = 0; cell < row->SubItems()->Count(); ++cell) copy.cells.push_back(row->SubItems()->Strings(cell));
    copies.push_back(std::move(copy));
  }
  for (std::size_t place = 0; place < order.size(); ++place) {
    const TRowCopy& copy = copies[order[place]];
    TListItem* row = rows->Item(static_cast<int>(place));
    row->SetCaption(copy.caption);
    for (int cell = 0; cell < static_cast<int>(copy.cells.size()); ++cell) row->SubItems()->SetStrings(cell, copy.cells[cell]);
    row->SetChecked(copy.checked);
    row->SetSelected(copy.selected);
  }
  // The row the strip speaks of moved with its file.
  if (currentJoinRow_ >= 0) {
    const auto moved = std::find(order.begin(), order.end(), currentJoinRow_);
    currentJoinRow_ = moved == order.end() ? -1 : static_cast<int>(moved - order.begin());
  }
  lvJoinList->Invalidate();
}

void TfrmJoiner::JoinListMouseDown() {
  Label2->SetCaption(InfoLine());
  pbInfo->Invalidate();
  TListItems* rows = lvJoinList->Items();
  const bool currentStillSelected =
      currentJoinRow_ >= 0 && currentJoinRow_ < rows->Count() && rows->Item(currentJoinRow_)->Selected();
  if (currentStillSelected || lvJoinList->SelCount() != 1) return;
  currentJoinRow_ = lvJoinList->Selected()->Index();
  fileToPlay_ = lvJoinList->Selected()->Caption();
  AI.Open(fileToPlay_);
  Label1->SetCaption(AI.FormatText());
  RestartInfo();
}

std::string TfrmJoiner::InfoLine() {
  TListItems* rows = lvJoinList->Items();
  int ticked = 0;
  std::int64_t seconds = 0;
  for (int i = 0; i < rows->Count(); ++i) {
    TListItem* row = rows->Item(i);
    if (!row->Checked()) continue;
    ++ticked;
    seconds += SecondsOfClockText(CellOf(row, kJoinColumnDuration));
  }
  return JoinInfoLine(rows->Count(), ticked, seconds);
}

// Rows came, went or changed their tick: the strip shows the new count.
void TfrmJoiner::ListChanged() {
  if (merging_) return;  // the strip shows the merge's progress
  Label2->SetCaption(InfoLine());
  if (!tmShowInfo->Enabled()) infoY_ = InfoCentre() - kLineGap;
  pbInfo->Invalidate();
}

void TfrmJoiner::SetStatus(int row, const std::string& text) {
  TListItems* rows = lvJoinList->Items();
  if (row < 0 || row >= rows->Count()) return;
  rows->Item(row)->SubItems()->SetStrings(kJoinCellStatus, text);
  lvJoinList->Invalidate();
}

// ---- The info strip -----------------------------------------------------------------

int TfrmJoiner::InfoCentre() { return (pbInfo->Height() - Label1->Height()) / 2; }

// The clicked file's format shows for a while, then the info line rolls
// up into its place.
void TfrmJoiner::RestartInfo() {
  infoStart_ = GetTickCount64();
  infoY_ = InfoCentre();
  // Nothing moves while the format shows: the first tick comes when it
  // starts rolling.
  tmShowInfo->SetEnabled(false);
  tmShowInfo->SetInterval(kInfoHoldMs);
  tmShowInfo->SetEnabled(true);
  pbInfo->Invalidate();
}

void TfrmJoiner::InfoTick() {
  const int centre = InfoCentre();
  const std::uint64_t shown = GetTickCount64() - infoStart_;
  if (shown <= kInfoHoldMs) {
    infoY_ = centre;
    tmShowInfo->SetInterval(static_cast<unsigned>(kInfoHoldMs - shown + 1));
    return;
  }
  tmShowInfo->SetInterval(kRollMs);
  --infoY_;
  if (centre >= infoY_ + kLineGap) {
    infoY_ = centre - kLineGap;
    tmShowInfo->SetEnabled(false);
  }
  pbInfo->Invalidate();
}

void TfrmJoiner::PaintInfo() {
  TCanvas* canvas = pbInfo->Canvas();
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->Assign(*Label1->Font());
  canvas->TextOut(0, infoY_, Label1->Caption());
  canvas->TextOut(0, infoY_ + kLineGap, Label2->Caption());
}

// ---- Listening ----------------------------------------------------------------------

void TfrmJoiner::btnPlayClick() {
  if (!FileExists(fileToPlay_)) return;
  AP.Stop();
  AF.Close();
  AF.SetWMAEnabled(true);
  AF.OpenRead(fileToPlay_, 0, 1);
  AI.Open(fileToPlay_);
  if (AF.LengthSamples() == 0) {
    StopPlaying();
    return;
  }
  try {
    AP.SetFormat(AF.SampleRate(), AF.Channels());
  } catch (const Exception&) {
    StopPlaying();  // no sound output: nothing to play on
    return;
  }
  blockSize_ = AP.MsToSamples(kBlockMs);
  AF.Seek(0, 3);
  AP.Play();
  if (AP.LastError() != 0) AF.Close();
}

void TfrmJoiner::btnStopClick() { StopPlaying(); }

void TfrmJoiner::FeedPlayer() {
  try {
    AP.PlayBlock(AF.ReadBlock(blockSize_));
  } catch (const Exception&) {
    StopPlaying();
  }
}

void TfrmJoiner::StopPlaying() {
  AP.Stop();
  AF.Close();
}

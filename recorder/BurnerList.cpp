// The burner window's folder browser and burn list: the files of the chosen
// folder, the list built from them, its order, its files on disk, and how
// much of a disc it needs.

#include <filesystem>

#include "burner/BurnEstimate.h"
#include "burner/BurnListFile.h"
#include "platform/framework/IniFiles.h"
#include "platform/framework/SysUtils.h"
#include "platform/os/Files.h"
#include "recorder/Burner.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELListView.h"
#include "recorder/BurnerRules.h"
#include "recorder/GlobeVar.h"
#include "recorder/JoinList.h"
#include "recorder/PlayerRows.h"

namespace {

constexpr const char* kSaveQuestion = "Current project has not been saved. Would you like to save it?";

std::string Cell(TListItem* item, int column) {
  if (column == 0) return item->Caption();
  TStringList* cells = item->SubItems();
  return column - 1 < cells->Count() ? cells->Strings(column - 1) : std::string();
}

std::int64_t SizeOf(const std::string& path) { return std::max<std::int64_t>(GetFileSize64(path), 0); }

std::vector<bool> SelectionOf(TListView* list) {
  std::vector<bool> selected;
  for (int i = 0; i < list->Items()->Count(); ++i) selected.push_back(list->Items()->Item(i)->Selected());
  return selected;
}

}  // namespace

// ---- The folder ------------------------------------------------------------------

void TfrmBurner::STVClick() { ListFolderFiles(); }

void TfrmBurner::ListFolderFiles() {
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
    relist_ = false;
  }
}

void TfrmBurner::ReadFolder() {
  std::string folder = STV->SelectedFolder();
  if (!folder.empty()) folder = IncludeTrailingPathDelimiter(folder);
  if (folder == currentFolder_) return;  // the same folder is not read twice
  currentFolder_ = folder;
  lvFolderList->Items()->Clear();
  if (folder.empty()) return;

  namespace fs = std::filesystem;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    // Forgotten, so choosing it again tries once more.
    currentFolder_.clear();
    ShowNotice("The folder \"" + folder + "\" cannot be read.");
    return;
  }
  const int typeIndex = comboxBurnType->ItemIndex();
  // Stepped with an error code: a folder removed while it is read ends the
  // list where it stands.
  for (; entries != fs::directory_iterator(); entries.increment(error)) {
    std::error_code entryError;
    if (!entries->is_regular_file(entryError)) continue;
    const std::string name = entries->path().filename().string();
    const std::string format = FormatNameOfFile(folder + name);
    if (!BurnTypeTakesFormat(typeIndex, format)) continue;
    AI.Open(folder + name);
    TListItem* item = lvFolderList->Items()->Add();
    item->SetCaption(name);
    item->SubItems()->Add(format);
    item->SubItems()->Add(FormatDurationClock(AI.DurationMs()));
    item->SubItems()->Add(FormatByteSize(SizeOf(folder + name)));
    Application->ProcessMessages();
    if (relist_) {
      // Half read: the next read must not take it for done.
      currentFolder_.clear();
      return;
    }
  }
}

void TfrmBurner::lvFolderListColumnClick(int column) {
  sortColumn_ = column;
  lvFolderList->CustomSort(
      [column](TListItem* a, TListItem* b, LPARAM) { return ComparePlayListCells(column, Cell(a, column), Cell(b, column)); },
      0);
  lvFolderList->Invalidate();
}

// ---- The info line -----------------------------------------------------------------

void TfrmBurner::ShowPreviewFormat(const std::string& path) {
  AI.Open(path);
  Label1->SetCaption(AI.FormatText());
  infoOffset_ = (pbInfo->Height() - Label1->Height()) / 2;
  pbInfo->Invalidate();
}

void TfrmBurner::lvFolderListClick() {
  if (lvFolderList->SelCount() != 1) return;
  previewFile_ = currentFolder_ + lvFolderList->Selected()->Caption();
  ShowPreviewFormat(previewFile_);
}

void TfrmBurner::lvAudioCDListMouseDown() {
  Label2->SetCaption(SummaryText());
  pbInfo->Invalidate();
  TListItems* items = lvAudioCDList->Items();
  const bool previewStillSelected =
      previewIndex_ >= 0 && previewIndex_ < items->Count() && items->Item(previewIndex_)->Selected();
  if (previewStillSelected || lvAudioCDList->SelCount() != 1) return;
  previewIndex_ = lvAudioCDList->Selected()->Index();
  previewFile_ = lvAudioCDList->Selected()->Caption();
  ShowPreviewFormat(previewFile_);
}

std::string TfrmBurner::SummaryText() {
  TListItems* items = lvAudioCDList->Items();
  std::int64_t seconds = 0;
  for (int i = 0; i < items->Count(); ++i) seconds += SecondsOfClockText(Cell(items->Item(i), 2));
  return JoinInfoLine(items->Count(), items->Count(), seconds);
}

void TfrmBurner::AfterListChange() {
  Label2->SetCaption(SummaryText());
  infoOffset_ = (pbInfo->Height() - Label1->Height()) / 2 - 30;
  pbInfo->Invalidate();
  UpdateCapacityBar();
}

// ---- Size against the disc ---------------------------------------------------------

std::int64_t TfrmBurner::EstimateProjectSize(std::int64_t* totalMs) {
  std::int64_t ms = 0, bytes = 0;
  TListItems* items = lvAudioCDList->Items();
  for (int i = 0; i < items->Count(); ++i) {
    const std::string path = items->Item(i)->Caption();
    if (!FileExists(path) || FormatNameOfFile(path).empty()) continue;
    AI.Open(path);
    ms += std::max<std::int64_t>(AI.DurationMs(), 0);
    bytes += SizeOf(path);
  }
  if (totalMs) *totalMs = ms;
  return comboxBurnType->ItemIndex() == 0 ? AudioCdBytes(ms) : bytes;
}

void TfrmBurner::UpdateCapacityBar() {
  std::int64_t ms = 0;
  const std::int64_t bytes = EstimateProjectSize(&ms);
  CapBar->SetNeedMB(static_cast<int>(bytes / 1024 / 1024));
  CapBar->SetDuration(ms);
}

// ---- Editing -----------------------------------------------------------------------

void TfrmBurner::AddFolderItems(bool selectedOnly) {
  TListItems* files = lvFolderList->Items();
  TListItems* list = lvAudioCDList->Items();
  for (int i = 0; i < files->Count(); ++i) {
    TListItem* file = files->Item(i);
    if (selectedOnly && !file->Selected()) continue;
    const std::string path = currentFolder_ + file->Caption();
    bool present = false;
    for (int j = 0; j < list->Count() && !present; ++j) present = list->Item(j)->Caption() == path;
    if (present) continue;
    TListItem* item = list->Add();
    item->SetCaption(path);
    for (int cell = 1; cell <= 3; ++cell) item->SubItems()->Add(Cell(file, cell));
    item->SubItems()->Add(" ");
    modified_ = true;
  }
  AfterListChange();
}

void TfrmBurner::btnAddClick() {
  if (lvFolderList->SelCount() > 0) AddFolderItems(true);
}

void TfrmBurner::btnAddAllClick() { AddFolderItems(false); }

void TfrmBurner::btnRemoveClick() {
  TListItems* list = lvAudioCDList->Items();
  for (int i = list->Count() - 1; i >= 0; --i)
    if (list->Item(i)->Selected()) {
      list->Delete(i);
      modified_ = true;
    }
  previewIndex_ = -1;
  AfterListChange();
}

void TfrmBurner::ClearBurnList() {
  lvAudioCDList->Items()->Clear();
  previewIndex_ = -1;
}

void TfrmBurner::btnRemoveAllClick() {
  ClearBurnList();
  modified_ = false;
  AfterListChange();
}

void TfrmBurner::ReorderBurnList(const std::vector<int>& order) {
  struct Row {
    std::string caption;
    std::vector<std::string> cells;
    bool selected;
  };
  TListItems* list = lvAudioCDList->Items();
  std::vector<Row> rows;
  for (int i = 0; i < list->Count(); ++i) {
    TListItem* item = list->Item(i);
    Row row{item->Caption(), {}, item->Selected()};
    for (int c = 0; c < item->SubItems()->Count(); ++c) row.cells.push_back(item->SubItems()->Strings(c));
    rows.push_back(std::move(row));
  }
  bool moved = false;
  for (std::size_t place = 0; place < order.size(); ++place) {
    const Row& row = rows[order[place]];
    moved = moved || order[place] != static_cast<int>(place);
    TListItem* item = list->Item(static_cast<int>(place));
    item->SetCaption(row.caption);
    item->SubItems()->Clear();
    for (const std::string& cell : row.cells) item->SubItems()->Add(cell);
    item->SetSelected(row.selected);
  }
  if (moved) modified_ = true;
  lvAudioCDList->Invalidate();
}

void TfrmBurner::btnFirstClick() { ReorderBurnList(OrderWithSelectedFirst(SelectionOf(lvAudioCDList))); }
void TfrmBurner::btnLastClick() { ReorderBurnList(OrderWithSelectedLast(SelectionOf(lvAudioCDList))); }
void TfrmBurner::btnUpClick() { ReorderBurnList(OrderAfterMoveUp(SelectionOf(lvAudioCDList))); }
void TfrmBurner::btnDownClick() { ReorderBurnList(OrderAfterMoveDown(SelectionOf(lvAudioCDList))); }

// ---- The burn type -----------------------------------------------------------------

void TfrmBurner::comboxBurnTypeChange() {
  const int typeIndex = comboxBurnType->ItemIndex();
  currentFolder_.clear();
  ListFolderFiles();
  if (typeIndex + 1 != BurnType) {
    const int previous = BurnType - 1;
    BurnType = typeIndex + 1;
    if (lvAudioCDList->Items()->Count() > 0 && modified_) {
      OfferToSave(previous);
      modified_ = false;
    }
    ClearBurnList();
    AfterListChange();
    return;
  }
  UpdateCapacityBar();
}

// ---- Burn-list files ---------------------------------------------------------------

bool TfrmBurner::OfferToSave(int typeIndex) {
  if (AskQuestion(kSaveQuestion) != mrYes || !SD->Execute()) return false;
  try {
    SaveBurnList(typeIndex, SD->FileName());
  } catch (const Exception& error) {
    ShowNotice(error.Message());
    return false;
  }
  modified_ = false;
  return true;
}

void TfrmBurner::SaveBurnList(int typeIndex, const std::string& fileName) {
  TBurnList list;
  list.project = typeIndex;
  TListItems* items = lvAudioCDList->Items();
  for (int i = 0; i < items->Count(); ++i) list.items.push_back(items->Item(i)->Caption());
  SaveBurnListFile(BurnListFileName(fileName), list);
}

void TfrmBurner::LoadBurnList(const std::string& fileName) {
  ClearBurnList();
  const TBurnList list = ReadBurnListFile(fileName);
  // Set without its change handler: the list just read is not emptied.
  auto onChange = std::move(comboxBurnType->OnChange);
  comboxBurnType->OnChange = nullptr;
  comboxBurnType->SetItemIndex(list.project);
  comboxBurnType->OnChange = std::move(onChange);
  for (const std::string& path : list.items) {
    const std::string format = FormatNameOfFile(path);
    if (!FileExists(path) || format.empty()) continue;
    AI.Open(path);
    TListItem* item = lvAudioCDList->Items()->Add();
    item->SetCaption(path);
    item->SubItems()->Add(format);
    item->SubItems()->Add(FormatDurationClock(AI.DurationMs()));
    item->SubItems()->Add(FormatByteSize(SizeOf(path)));
    Application->ProcessMessages();
  }
}

void TfrmBurner::btnLoadClick() {
  if (lvAudioCDList->Items()->Count() > 0 && modified_) OfferToSave(comboxBurnType->ItemIndex());
  if (OD->Execute()) {
    try {
      LoadBurnList(OD->FileName());
    } catch (const Exception& error) {
      ShowNotice(error.Message());
    }
    // The folder's files follow the type the list brought.
    currentFolder_.clear();
    ListFolderFiles();
    AfterListChange();
  }
  BurnType = comboxBurnType->ItemIndex() + 1;
}

void TfrmBurner::btnSaveClick() {
  if (lvAudioCDList->Items()->Count() == 0 || !SD->Execute()) return;
  try {
    SaveBurnList(comboxBurnType->ItemIndex(), SD->FileName());
  } catch (const Exception& error) {
    ShowNotice(error.Message());
    return;
  }
  modified_ = false;
}

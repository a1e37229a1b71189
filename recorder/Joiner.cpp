// The joiner window's controls, its showing and closing.

#include "recorder/Joiner.h"

#include "recorder/GlobeVar.h"
#include "recorder/Main.h"
#include "recorder/Options.h"
#include "recorder/RecorderFolders.h"
#include "recorder/WindowBuilding.h"
#include "recorder/WindowSkin.h"
#include "skin/ZELPublic.h"

TfrmJoiner* frmJoiner = nullptr;

namespace {

constexpr TColor kLightText = 0xF0E8E0;

TzelListView* FileListView(TForm* form, const std::string& name, int left, int top, int width, int height,
                           std::initializer_list<ColumnLook> columns) {
  auto* list = new TzelListView(form);
  list->SetName(name);
  list->SetParent(form);
  list->SetBounds(left, top, width, height);
  list->SetMultiSelect(true);
  list->SetReadOnly(true);
  list->SetRowSelect(true);
  list->SetDoubleBuffered(true);
  AddColumns(list, columns);
  return list;
}

}  // namespace

TfrmJoiner::TfrmJoiner(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetCaption("Velmora mp3 recorder: Joiner");
  SetClientSize(657, 430);
  CreateSkin();
  CreateLists();
  CreateListButtons();
  CreateInfoStrip();
  if (TzelFileTheme* theme = RecorderTheme()) ApplyThemeToChildren(*this, FromThemeFile, theme);
  for (TAudioFile2* file : {&AF_IN, &AF_OUT}) file->SetWMAEnabled(true);
  AI.SetWMAEnabled(true);
  AP.OnRequestOnLoadArray = [this](TObject*) { FeedPlayer(); };
  AP.OnEndArrayPlay = [this](TObject*) { FeedPlayer(); };
  AP.OnEndPlay = [this](TObject*) { StopPlaying(); };

  OnShow = [this](TObject*) { FormShow(); };
  OnActivate = [this](TObject*) { Invalidate(); };
  OnClose = [this](TObject*, TCloseAction& action) {
    FormClose();
    action = caHide;
  };
  OnCloseQuery = [this](TObject*, bool& canClose) {
    if (!merging_) return;
    const bool cancel = frmMain && frmMain->AskQuestion &&
                        frmMain->AskQuestion("Merging in progress, do you want to cancel ?") == mrYes;
    // Cancelled, the window closes once the thread has ended.
    canClose = false;
    if (!cancel) return;
    closeRequested_ = true;
    btnCancelMergeClick();
  };
}

TfrmJoiner::~TfrmJoiner() {
  if (frmJoiner == this) frmJoiner = nullptr;
  alive_.End();
  CancelAndWait();
  AP.OnRequestOnLoadArray = nullptr;
  AP.OnEndArrayPlay = nullptr;
  AP.OnEndPlay = nullptr;
  AP.Stop();
}

void TfrmJoiner::CancelAndWait() {
  if (!thread_) return;
  cancelled_ = true;
  thread_->Terminate();
  thread_->WaitFor();
}

void TfrmJoiner::CreateSkin() {
  UseRecorderSkin();
  zelSkinForm1 = new TzelSkinForm(this);
  zelSkinForm1->SetName("zelSkinForm1");
  zelSkinForm1->SetParent(this);
  ShapeWindow(zelSkinForm1, 658, 430);
  imgJoinerBack = BackgroundImage(this, "imgJoinerBack", "JOINER_BACKGROUND");
  plSide = SidePanel(this, ClientWidth(), ClientHeight());
  titleJoiner = WindowTitle(this, "titleJoiner", "Velmora MP3 Recorder Pro: Joiner", 658);

  btnStartMerge = PictureButton(this, "btnStartMerge", 6, 24, 60, 37, "JOIN_START", "Start merge");
  btnCancelMerge = PictureButton(this, "btnCancelMerge", 6, 24, 60, 37, "JOIN_CANCEL", "Cancel merge");
  btnCancelMerge->SetVisible(false);
  btnFolder = PictureButton(this, "btnFolder", 67, 24, 60, 37, "JOIN_FOLDER", "Open the output folder of merging");
  btnOptions = PictureButton(this, "btnOptions", 128, 24, 60, 37, "JOIN_OPTIONS", "Options");
  btnHelp = PictureButton(this, "btnHelp", 189, 24, 60, 37, "JOIN_HELP", "Help");
  btnJoinerClose = PictureButton(this, "btnJoinerClose", 632, 4, 18, 20, "JOIN_CLOSE", "");
  // Off the window: it holds the keyboard focus away from the lists.
  Button1 = Place<TButton>(this, this, 0, -100, 10, 10);
  Button1->SetName("Button1");

  lbOutputFormat = BackgroundLabel(this, "lbOutputFormat", 430, 37, 96, kLightText);
  lbOutputFormat->SetCaption("Output format:");
  comboxJoinOutputFormat = new TzelComboBox(this);
  comboxJoinOutputFormat->SetName("comboxJoinOutputFormat");
  comboxJoinOutputFormat->SetParent(this);
  DressInRecorderTheme(comboxJoinOutputFormat);
  comboxJoinOutputFormat->SetStyle(csDropDownList);
  comboxJoinOutputFormat->SetBounds(530, 34, 101, 21);
  for (const char* format : {"WAV", "MP3", "OGG", "WMA"}) comboxJoinOutputFormat->Items()->Add(format);
  comboxJoinOutputFormat->SetItemIndex(1);
  btnOutputFormat = PictureButton(this, "btnOutputFormat", 613, 36, 17, 17, "JOIN_FORMAT", "Select output format");

  btnStartMerge->OnClick = [this](TObject*) { btnStartMergeClick(); };
  btnCancelMerge->OnClick = [this](TObject*) { btnCancelMergeClick(); };
  btnFolder->OnClick = [](TObject*) { OpenForUser(FolderOfSetting(JoinFolder)); };
  btnOptions->OnClick = [](TObject*) {
    if (frmOptions) frmOptions->ShowModal();
  };
  btnHelp->OnClick = [](TObject*) { ShowHelpTopic("Recorder.html#joiner"); };
  btnJoinerClose->OnClick = [this](TObject*) { Close(); };
  btnOutputFormat->OnClick = [this](TObject*) {
    if (comboxJoinOutputFormat->CanFocus()) comboxJoinOutputFormat->SetFocus();
    comboxJoinOutputFormat->SetDroppedDown(true);
  };
}

void TfrmJoiner::CreateLists() {
  STV = new TShellTreeView(this);
  STV->SetName("STV");
  STV->SetParent(this);
  STV->SetBounds(8, 69, 239, 134);
  STV->OnClick = [this](TObject*) { ListFolder(); };

  lvFolderList = FileListView(this, "lvFolderList", 8, 207, 225, 165,
                              {{"File name", 200, taLeftJustify},
                               {"Format", 48, taLeftJustify},
                               {"Duration", 86, taRightJustify},
                               {"Size", 70, taRightJustify}});
  CompanionScrollBars(lvFolderList, sbFolderListV, sbFolderListH);
  lvFolderList->OnColumnClick = [this](TObject*, TListColumn* column) { SortFolderList(column->Index()); };
  lvFolderList->OnClick = [this](TObject*) { FolderListClick(); };

  lvJoinList = FileListView(this, "lvJoinList", 289, 69, 346, 303,
                            {{"File name", 270, taLeftJustify},
                             {"Format", 48, taLeftJustify},
                             {"Duration", 86, taRightJustify},
                             {"Size", 70, taRightJustify},
                             {"Status", 150, taCenter}});
  lvJoinList->SetCheckboxes(true);
  CompanionScrollBars(lvJoinList, sbJoinListV, sbJoinListH);
  lvJoinList->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { JoinListMouseDown(); };
  lvJoinList->OnChange = [this](TObject*, TListItem*, TItemChange change) {
    if (change == ctState) ListChanged();
  };
}

void TfrmJoiner::CreateListButtons() {
  struct Key {
    TzelImageButton*& button;
    const char* name;
    int top;
    const char* strip;
    const char* hint;
  };
  for (const Key& key : {Key{btnAdd, "btnAdd", 96, "JOIN_ADD", "Add selected audio files"},
                         Key{btnAddAll, "btnAddAll", 124, "JOIN_ADD_ALL", "Add all audio files in the folder"},
                         Key{btnRemove, "btnRemove", 160, "JOIN_REMOVE", "Remove selected from list"},
                         Key{btnRemoveAll, "btnRemoveAll", 188, "JOIN_REMOVE_ALL", "Remove all from list"},
                         Key{btnFirst, "btnFirst", 236, "JOIN_FIRST", "Move to first"},
                         Key{btnUp, "btnUp", 264, "JOIN_UP", "Move up"},
                         Key{btnDown, "btnDown", 292, "JOIN_DOWN", "Move down"},
                         Key{btnLast, "btnLast", 320, "JOIN_LAST", "Move to last"}})
    key.button = PictureButton(this, key.name, 255, key.top, 25, 27, key.strip, key.hint);
  btnPlay = PictureButton(this, "btnPlay", 500, 395, 25, 27, "JOIN_PLAY", "Play the selected file");
  btnStop = PictureButton(this, "btnStop", 526, 395, 25, 27, "JOIN_STOP", "Stop playing");

  btnAdd->OnClick = [this](TObject*) { btnAddClick(); };
  btnAddAll->OnClick = [this](TObject*) { btnAddAllClick(); };
  btnRemove->OnClick = [this](TObject*) { btnRemoveClick(); };
  btnRemoveAll->OnClick = [this](TObject*) { btnRemoveAllClick(); };
  btnFirst->OnClick = [this](TObject*) { btnFirstClick(); };
  btnUp->OnClick = [this](TObject*) { btnUpClick(); };
  btnDown->OnClick = [this](TObject*) { btnDownClick(); };
  btnLast->OnClick = [this](TObject*) { btnLastClick(); };
  btnPlay->OnClick = [this](TObject*) { btnPlayClick(); };
  btnStop->OnClick = [this](TObject*) { btnStopClick(); };
}

void TfrmJoiner::CreateInfoStrip() {
  pbInfo = Place<TPaintBox>(this, this, 12, 395, 478, 27);
  pbInfo->SetName("pbInfo");
  pbInfo->OnPaint = [this](TObject*) { PaintInfo(); };
  for (TLabel** label : {&Label1, &Label2}) {
    *label = new TLabel(this);
    (*label)->SetParent(this);
    (*label)->SetVisible(false);
    (*label)->Font()->SetColor(0x9CE8B4);
  }
  Label1->SetName("Label1");
  Label2->SetName("Label2");
  tmShowInfo = new TTimer(this);
  tmShowInfo->SetName("tmShowInfo");
  tmShowInfo->SetInterval(30);
  tmShowInfo->SetEnabled(false);
  tmShowInfo->OnTimer = [this](TObject*) { InfoTick(); };
}

void TfrmJoiner::FormShow() {
  if (Button1->CanFocus()) SetActiveControl(Button1);
  currentJoinRow_ = -1;
  ListFolder();
  Label2->SetCaption(InfoLine());
  infoY_ = InfoCentre() - 30;
  pbInfo->Invalidate();
}

void TfrmJoiner::FormClose() { StopPlaying(); }

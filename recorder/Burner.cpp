// The burner window's controls, its showing and closing.

#include "recorder/Burner.h"

#include "platform/framework/Timer.h"
#include "recorder/Confirm.h"
#include "recorder/GlobeVar.h"
#include "recorder/WindowBuilding.h"
#include "recorder/WindowSkin.h"
#include "resources/Resources.h"
#include "skin/ZELComboBox.h"
#include "skin/ZELPublic.h"

TfrmBurner* frmBurner = nullptr;

namespace {

constexpr int kWidth = 661, kHeight = 629;

TzelListView* ReportList(TfrmBurner* form, const std::string& name, TRect bounds,
                         std::initializer_list<ColumnLook> columns) {
  auto* list = new TzelListView(form);
  list->SetName(name);
  list->SetParent(form);
  list->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  list->SetMultiSelect(true);
  list->SetRowSelect(true);
  list->SetReadOnly(true);
  list->SetGridLines(true);
  list->SetDoubleBuffered(true);
  AddColumns(list, columns);
  return list;
}

}  // namespace

TfrmBurner::TfrmBurner(TComponent* owner) : TForm(owner) {
  SetBorderStyle(bsNone);
  SetPosition(poScreenCenter);
  SetCaption("Velmora MP3 CD Burner");
  SetClientSize(kWidth, kHeight);
  ShowNotice = [](const std::string& text) {
    if (!frmConfirm) return;
    frmConfirm->SetConfirmMode(CONFIRM_MESSAGE);
    frmConfirm->SetConfirmText(text);
    frmConfirm->ShowModal();
  };
  AskQuestion = [](const std::string& text) {
    if (!frmConfirm) return static_cast<int>(mrNo);
    frmConfirm->SetConfirmMode(CONFIRM_QUESTION);
    frmConfirm->SetConfirmText(text);
    return frmConfirm->ShowModal();
  };
  CreateSkin();
  CreateBrowser();
  CreateBurnList();
  CreateHelpers();
  BurnFileList.Clear();
  WriterList.Clear();
  DiscoverWriters();
  AI.SetWMAEnabled(true);
  CreateCapacityBar();
  if (TzelFileTheme* theme = RecorderTheme()) ApplyThemeToChildren(*this, FromThemeFile, theme);

  OnShow = [this](TObject*) { FormShow(); };
  OnActivate = [this](TObject*) { Invalidate(); };
  OnCloseQuery = [this](TObject*, bool& canClose) { FormCloseQuery(canClose); };
  OnClose = [this](TObject*, TCloseAction& action) {
    StopPreview();
    action = caHide;
  };
}

TfrmBurner::~TfrmBurner() {
  if (frmBurner == this) frmBurner = nullptr;
  alive_.End();
  AP.OnRequestOnLoadArray = nullptr;
  AP.OnEndArrayPlay = nullptr;
  AP.OnEndPlay = nullptr;
  AP.Stop();
}

void TfrmBurner::CreateSkin() {
  UseRecorderSkin();
  zelSkinForm1 = new TzelSkinForm(this);
  zelSkinForm1->SetName("zelSkinForm1");
  zelSkinForm1->SetParent(this);
  ShapeWindow(zelSkinForm1, kWidth, kHeight + 1);
  imgBurnerBack = BackgroundImage(this, "imgBurnerBack", "BURNER_BACKGROUND");
  plSide = SidePanel(this, kWidth, kHeight);
  titleMain = WindowTitle(this, "titleMain", "Velmora MP3 Recorder Pro: CD Burner", kWidth);

  btnStartBurn = PictureButton(this, "btnStartBurn", 6, 24, 60, 37, "BURNER_START", "Start burn");
  btnSelectBurningDevice =
      PictureButton(this, "btnSelectBurningDevice", 67, 24, 60, 37, "BURNER_DEVICE", "Select Burning Device");
  btnLoad = PictureButton(this, "btnLoad", 128, 24, 60, 37, "BURNER_LOAD", "Load Burning List");
  btnSave = PictureButton(this, "btnSave", 189, 24, 60, 37, "BURNER_SAVE", "Save Burning List");
  btnHelp = PictureButton(this, "btnHelp", 250, 24, 60, 37, "BURNER_HELP", "Help");
  btnBurnerClose = PictureButton(this, "btnBurnerClose", 636, 4, 18, 20, "BURNER_CLOSE", "");

  comboxBurnType = new TzelComboBox(this);
  comboxBurnType->SetName("comboxBurnType");
  comboxBurnType->SetParent(this);
  comboxBurnType->SetStyle(csDropDownList);
  comboxBurnType->SetBounds(480, 34, 146, 21);
  for (const char* type : {"Audio CD", "MP3 CD", "WMA CD"}) comboxBurnType->Items()->Add(type);
  comboxBurnType->SetItemIndex(0);
  comboxBurnType->SetHint("Select Output format");
  comboxBurnType->SetShowHint(true);
  btnOutputFormat = PictureButton(this, "btnOutputFormat", 630, 35, 17, 17, "BURNER_FORMAT", "Select output format");
  // Off the window: it keeps the keyboard away from the lists.
  Button1 = Place<TButton>(this, this, 0, -100, 10, 10);
  Button1->SetName("Button1");

  btnStartBurn->OnClick = [this](TObject*) { btnStartBurnClick(); };
  btnSelectBurningDevice->OnClick = [this](TObject*) { btnSelectBurningDeviceClick(); };
  btnLoad->OnClick = [this](TObject*) { btnLoadClick(); };
  btnSave->OnClick = [this](TObject*) { btnSaveClick(); };
  btnHelp->OnClick = [](TObject*) { ShowHelpTopic("Recorder.html#burner"); };
  btnBurnerClose->OnClick = [this](TObject*) { Close(); };
  comboxBurnType->OnChange = [this](TObject*) { comboxBurnTypeChange(); };
  btnOutputFormat->OnClick = [this](TObject*) {
    if (comboxBurnType->CanFocus()) comboxBurnType->SetFocus();
    comboxBurnType->SetDroppedDown(true);
  };
}

void TfrmBurner::CreateBrowser() {
  STV = new TShellTreeView(this);
  STV->SetName("STV");
  STV->SetParent(this);
  STV->SetBounds(8, 68, 190, 224);
  STV->SetDoubleBuffered(true);
  STV->OnClick = [this](TObject*) { STVClick(); };

  lvFolderList = ReportList(this, "lvFolderList", {202, 68, 653, 292},
                            {{"File name", 200, taLeftJustify},
                             {"Format", 48, taLeftJustify},
                             {"Duration", 86, taRightJustify},
                             {"Size", 70, taRightJustify}});
  CompanionScrollBars(lvFolderList, sbFolderListV, sbFolderListH);
  lvFolderList->OnClick = [this](TObject*) { lvFolderListClick(); };
  lvFolderList->OnColumnClick = [this](TObject*, TListColumn* column) { lvFolderListColumnClick(column->Index()); };

  btnAdd = PictureButton(this, "btnAdd", 8, 300, 25, 27, "BURNER_ADD", "Add selected audio files");
  btnAddAll = PictureButton(this, "btnAddAll", 34, 300, 25, 27, "BURNER_ADD_ALL", "Add all audio files in the folder");
  btnRemove = PictureButton(this, "btnRemove", 60, 300, 25, 27, "BURNER_REMOVE", "Remove selected from list");
  btnRemoveAll = PictureButton(this, "btnRemoveAll", 86, 300, 25, 27, "BURNER_REMOVE_ALL", "Remove all from list");
  btnPlay = PictureButton(this, "btnPlay", 120, 300, 25, 27, "BURNER_PLAY", "Play the selected file");
  btnStop = PictureButton(this, "btnStop", 146, 300, 25, 27, "BURNER_STOP", "Stop playing");
  btnAdd->OnClick = [this](TObject*) { btnAddClick(); };
  btnAddAll->OnClick = [this](TObject*) { btnAddAllClick(); };
  btnRemove->OnClick = [this](TObject*) { btnRemoveClick(); };
  btnRemoveAll->OnClick = [this](TObject*) { btnRemoveAllClick(); };
  btnPlay->OnClick = [this](TObject*) { btnPlayClick(); };
  btnStop->OnClick = [this](TObject*) { btnStopClick(); };

  Label1 = Place<TLabel>(this, this, 0, 0, 0, 16);
  Label1->SetName("Label1");
  Label1->SetVisible(false);
  Label2 = Place<TLabel>(this, this, 0, 0, 0, 16);
  Label2->SetName("Label2");
  Label2->SetVisible(false);
  pbInfo = Place<TPaintBox>(this, this, 176, 301, 478, 27);
  pbInfo->SetName("pbInfo");
  pbInfo->Font()->SetColor(0x9CE8B4);
  pbInfo->OnPaint = [this](TObject*) {
    TCanvas* canvas = pbInfo->Canvas();
    canvas->Font()->Assign(*pbInfo->Font());
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(4, infoOffset_, Label1->Caption());
    canvas->TextOut(4, infoOffset_ + 30, Label2->Caption());
  };
}

void TfrmBurner::CreateBurnList() {
  lvAudioCDList = ReportList(this, "lvAudioCDList", {8, 336, 622, 582},
                             {{"File name", 270, taLeftJustify},
                              {"Format", 48, taLeftJustify},
                              {"Duration", 86, taRightJustify},
                              {"Size", 70, taRightJustify}});
  lvAudioCDList->SetColumnClick(false);
  CompanionScrollBars(lvAudioCDList, sbAudioCDListV, sbAudioCDListH);
  lvAudioCDList->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { lvAudioCDListMouseDown(); };

  TmpList = Place<TListView>(this, this, 0, 0, 10, 10);
  TmpList->SetName("TmpList");
  TmpList->SetVisible(false);

  btnFirst = PictureButton(this, "btnFirst", 628, 338, 25, 27, "BURNER_FIRST", "Move to first");
  btnUp = PictureButton(this, "btnUp", 628, 366, 25, 27, "BURNER_UP", "Move up");
  btnDown = PictureButton(this, "btnDown", 628, 394, 25, 27, "BURNER_DOWN", "Move down");
  btnLast = PictureButton(this, "btnLast", 628, 422, 25, 27, "BURNER_LAST", "Move to last");
  btnFirst->OnClick = [this](TObject*) { btnFirstClick(); };
  btnUp->OnClick = [this](TObject*) { btnUpClick(); };
  btnDown->OnClick = [this](TObject*) { btnDownClick(); };
  btnLast->OnClick = [this](TObject*) { btnLastClick(); };
}

void TfrmBurner::CreateHelpers() {
  tmBurnDone = new TTimer(this);
  tmBurnDone->SetName("tmBurnDone");
  tmBurnDone->SetEnabled(false);
  tmBurnDone->SetInterval(100);
  tmBurnDone->OnTimer = [this](TObject*) { tmBurnDoneTimer(); };
  OD = new TOpenDialog(this);
  OD->SetName("OD");
  SD = new TSaveDialog(this);
  SD->SetName("SD");
  SD->SetOptions(ofOverwritePrompt);
  for (TOpenDialog* dialog : {OD, static_cast<TOpenDialog*>(SD)}) {
    dialog->SetDefaultExt("wbl");
    dialog->SetFilter("Audio files list|*.wbl");
  }

  MFox = new TFoxBurnerSDK(this);
  MFox->SetName("MFox");
  MFox->SetUseInternalAspiOnInit(true);
  MFox->Options()->SetSwitches({osFinalize, osUnderrunProtection, osEjectAfterBurn});
  MFox->OnProcess = [this](TObject*, float percent, float, float, double, double) { MFoxProcess(percent); };
  MFox->OnFinalize = [this](TObject*) { MFoxFinalize(); };
  MFox->OnBurnDone = [this](TObject*, const std::string& error) { MFoxBurnDone(error); };
  MFox->OnEraseDone = [this](TObject*, const std::string& error) { MFoxEraseDone(error); };
  MFox->OnAudioDecoder = [](TObject*, float, const std::string&, TAudioFormat) {};
  MFox->OnAudioDecodeDone = [](TObject*, const std::string&, const std::string&, std::int32_t) {};

  AP.OnRequestOnLoadArray = [this](TObject*) { FeedPreview(); };
  AP.OnEndArrayPlay = [this](TObject*) { FeedPreview(); };
  AP.OnEndPlay = [this](TObject*) { StopPreview(); };
}

void TfrmBurner::CreateCapacityBar() {
  CapBar = new TMyCapBar(this);
  CapBar->SetName("CapBar");
  CapBar->SetParent(this);
  CapBar->SetBounds(119, 590, 526, 33);
  // The bar keeps references to its pieces: they live as hidden images.
  auto piece = [this](const char* name, const char* picture) {
    TImage* image = AlternatePictures(this, name, picture);
    return image->Picture();
  };
  CapBar->SetBackground(LoadResourceBitmap("CAPBAR_BACKGROUND").get());
  CapBar->SetNeedImages(piece("imgNeed", "CAPBAR_START"), piece("imgNeed1", "CAPBAR_FILL"));
  CapBar->SetEdgeImage(piece("imgEdge", "CAPBAR_EDGE"));
  CapBar->SetOverImages(piece("imgOver", "CAPBAR_OVER"), piece("imgOverRight", "CAPBAR_END"));
  CapBar->SetCdScale();
  CapBar->SetMarkMB(700);
  CapBar->SetNeedMB(0);
}

void TfrmBurner::FormShow() {
  previewIndex_ = -1;
  if (Button1->CanFocus()) SetActiveControl(Button1);
  if (STV->SelectedFolder().empty()) STV->SetSelectedFolder(::OutputPath);
  STVClick();
  // The type follows what the box shows, also after an earlier showing.
  BurnType = comboxBurnType->ItemIndex() + 1;
  if (!libraryProblem_.empty()) {
    Label2->SetCaption(libraryProblem_);
    infoOffset_ = (pbInfo->Height() - Label1->Height()) / 2 - 30;
    pbInfo->Invalidate();
    return;
  }
  RefreshMedium();
}

void TfrmBurner::FormCloseQuery(bool& canClose) {
  canClose = true;
  if (modified_) OfferToSave(comboxBurnType->ItemIndex());
}

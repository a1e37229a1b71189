#include "recorder/Device.h"

#include "burner/FoxBurnerSDKMain.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Canvas.h"
#include "recorder/Confirm.h"
#include "recorder/DialogControls.h"
#include "recorder/DialogFrame.h"
#include "recorder/EraseProgress.h"
#include "recorder/GlobeVar.h"
#include "skin/ZELForm.h"

TfrmDevice* frmDevice = nullptr;

namespace {

constexpr TColor kGlyphBackground = 0xFF00FF;

// The tray pictures: a triangle pointing up over a bar to open, pointing
// down under a bar to close.
void DrawTrayGlyph(TBitmap& glyph, bool open) {
  // The corner pixel is the key colour, so the picture keeps a margin.
  glyph.SetSize(13, 12);
  TCanvas& canvas = *glyph.Canvas();
  canvas.Brush()->SetColor(kGlyphBackground);
  canvas.FillRect(TRect(0, 0, 13, 12));
  canvas.Brush()->SetColor(clBlack);
  canvas.Pen()->SetColor(clBlack);
  if (open) {
    const TPoint triangle[] = {{6, 1}, {11, 6}, {1, 6}};
    canvas.Polygon(triangle);
    canvas.FillRect(TRect(1, 8, 12, 11));
  } else {
    canvas.FillRect(TRect(1, 1, 12, 4));
    const TPoint triangle[] = {{1, 5}, {11, 5}, {6, 10}};
    canvas.Polygon(triangle);
  }
}

}  // namespace

TfrmDevice::TfrmDevice(TComponent* owner) : TForm(owner) {
  SetName("frmDevice");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(445, 161);
  zelForm1 = DressDialog(this, "Velmora MP3 Recorder Pro: Device");
  ShowNotice = ShowConfirmMessage;

  gbTarget = new TzelGroupBox(this);
  gbTarget->SetName("gbTarget");
  gbTarget->SetParent(zelForm1);
  gbTarget->SetBounds(8, 34, 429, 62);
  gbTarget->SetCaption("Target:");
  lbBurner = AddLabel(gbTarget, "Burner:", 14, 28, 50, "lbBurner");
  CmbBurner = new TzelComboBox(this);
  CmbBurner->SetName("CmbBurner");
  CmbBurner->SetParent(gbTarget);
  CmbBurner->SetStyle(csDropDownList);
  CmbBurner->SetBounds(66, 24, 284, 21);

  const auto trayButton = [this](const std::string& name, int left, const std::string& hint, bool open) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetParent(gbTarget);
    made->SetBounds(left, 23, 30, 23);
    made->SetCaption("");
    made->SetHint(hint);
    made->SetShowHint(true);
    TBitmap glyph;
    DrawTrayGlyph(glyph, open);
    made->SetGlyph(&glyph);
    return made;
  };
  bEjectDevice = trayButton("bEjectDevice", 358, "Eject Device", true);
  bEjectDevice->OnClick = [this](TObject* sender) { bEjectDeviceClick(sender); };
  bCloseDevice = trayButton("bCloseDevice", 392, "Close Device", false);
  bCloseDevice->OnClick = [this](TObject* sender) { bCloseDeviceClick(sender); };

  const auto button = [this](const std::string& name, int left, int width, const std::string& caption,
                             const std::string& hint) {
    auto* made = new TzelButton(this);
    made->SetName(name);
    made->SetParent(zelForm1);
    made->SetBounds(left, 114, width, 27);
    made->SetCaption(caption);
    if (!hint.empty()) {
      made->SetHint(hint);
      made->SetShowHint(true);
    }
    return made;
  };
  bFullErase = button("bFullErase", 8, 92, "Erase (Full)", "Full-erase rewritable disc");
  bFullErase->OnClick = [this](TObject* sender) { bFullEraseClick(sender); };
  bQuickErase = button("bQuickErase", 106, 92, "Erase (Quick)", "Quick-erase rewritable disc");
  bQuickErase->OnClick = [this](TObject* sender) { bQuickEraseClick(sender); };
  bOK = button("bOK", 269, 80, "Ok", "");
  bOK->OnClick = [this](TObject* sender) { bOKClick(sender); };
  bCancel = button("bCancel", 357, 80, "Cancel", "");
  bCancel->OnClick = [this](TObject* sender) { bCancelClick(sender); };

  OnShow = [this](TObject* sender) { FormShow(sender); };
  ThemeDialogControls(this, zelForm1);
  FillWriterCombo();
}

void TfrmDevice::FillWriterCombo() {
  CmbBurner->Items()->Clear();
  if (WriterList.Count() == 0) {
    CmbBurner->Items()->Add(kNoBurningDrives);
  } else {
    for (int i = 0; i < WriterList.Count(); ++i) CmbBurner->Items()->Add(WriterList[i]);
  }
  CmbBurner->SetItemIndex(0);
}

void TfrmDevice::FormShow(TObject*) {
  if (SelectedWriterIndex >= 0 && SelectedWriterIndex < CmbBurner->Items()->Count())
    CmbBurner->SetItemIndex(SelectedWriterIndex);
}

void TfrmDevice::bOKClick(TObject*) {
  const int index = CmbBurner->ItemIndex();
  if (WriterList.Count() > 0 && index >= 0 && index < WriterList.Count() && !WriterList[index].empty()) {
    SelectedWriterIndex = index;
    MFox->SelectDevice(static_cast<std::uint8_t>(WriterList[index][0]));
  }
  SetModalResult(mrOk);
}

void TfrmDevice::bCancelClick(TObject*) { SetModalResult(mrCancel); }

bool TfrmDevice::SelectChosenWriter() {
  const int index = CmbBurner->ItemIndex();
  if (index < 0 || index >= WriterList.Count() || WriterList[index].empty()) return false;
  return MFox->SelectDevice(static_cast<std::uint8_t>(WriterList[index][0]));
}

void TfrmDevice::bEjectDeviceClick(TObject*) {
  if (SelectChosenWriter()) MFox->EjectDevice();
}

void TfrmDevice::bCloseDeviceClick(TObject*) {
  if (SelectChosenWriter()) MFox->CloseDevice();
}

bool TfrmDevice::CheckRewritableMedium() {
  if (!SelectChosenWriter() || !MFox->IsDeviceReady()) {
    ShowNotice("No Medium");
    return false;
  }
  // Erasing on the strength of an earlier disc's information could wipe
  // the wrong one: an unreadable disc is refused.
  if (!MFox->ReadMediumInfo()) {
    ShowNotice("Burner Get Medium Information Error");
    return false;
  }
  if (MFox->MediumInfo().MediumTypeCode == 3) return true;
  ShowNotice("Medium Unrewriteable");
  return false;
}

void TfrmDevice::bFullEraseClick(TObject*) { EraseDisc(true); }

void TfrmDevice::bQuickEraseClick(TObject*) { EraseDisc(false); }

void TfrmDevice::EraseDisc(bool full) {
  if (!CheckRewritableMedium()) return;
  MFox->Options()->SetSwitches(MFox->Options()->Switches().Without(osEjectAfterBurn));
  // The erase window hears of the end from the moment the erase is asked
  // for, so an end reported at once is not lost.
  if (frmEraseProgress) frmEraseProgress->SetEraseMode(full);
  if (!MFox->Erase(!full)) {
    const std::string reason = MFox->GetLastErrorText();
    ShowNotice(reason.empty() ? "Erase failed - error " + std::to_string(MFox->LastError()) : reason);
    return;
  }
  if (!frmEraseProgress) return;
  frmEraseProgress->ShowModal();
  if (!frmEraseProgress->EraseError().empty()) ShowNotice(frmEraseProgress->EraseError());
}

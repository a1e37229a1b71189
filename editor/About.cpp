#include "editor/About.h"

#include "editor/DialogFrame.h"
#include "editor/Main.h"
#include "skin/ZELForm.h"
#include "skin/ZELImagePanel.h"
#include "skin/ZELURLLabel.h"

TfrmAbout* frmAbout = nullptr;

namespace {
constexpr TColor kPictureColor = 0x6B3A1E;
constexpr TColor kTitleColor = 0xFFFFFF;
}  // namespace

TfrmAbout::TfrmAbout(TComponent* owner) : TForm(owner) {
  SetName("frmAbout");
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetClientSize(320, 170);
  zelForm1 = DressDialog(this, "About");

  // The picture: the program's name on a dark band.
  TBitmap band(1, 1, pf24bit);
  band.Canvas()->SetPixels(0, 0, kPictureColor);
  TPicture picture;
  picture.SetGraphic(&band);
  imgAbout = new TzelImagePanel(this);
  imgAbout->SetName("imgAbout");
  imgAbout->SetParent(zelForm1);
  imgAbout->SetBounds(10, 10, 290, 80);
  imgAbout->SetDrawStyle(zelStretch);
  imgAbout->SetPicture(&picture);
  imgAbout->SetCaption("");
  lbTitle = new TLabel(this);
  lbTitle->SetName("lbTitle");
  lbTitle->SetParent(imgAbout);
  lbTitle->SetTransparent(true);
  lbTitle->SetBounds(16, 28, 260, 24);
  lbTitle->Font()->SetName("Tahoma");
  lbTitle->Font()->SetHeight(-19);
  lbTitle->Font()->SetStyle(fsBold);
  lbTitle->Font()->SetColor(kTitleColor);
  lbTitle->SetCaption(kEditorTitle);

  lbHome = new TzelURLLabel(this);
  lbHome->SetName("lbHome");
  lbHome->SetParent(zelForm1);
  lbHome->SetBounds(10, 104, 290, 16);
  lbHome->SetURL(kHomePage);
  lbHome->SetCaption(kHomePage);
}

TfrmAbout::~TfrmAbout() {
  if (frmAbout == this) frmAbout = nullptr;
}

void TfrmMain::ShowAbout() {
  if (frmAbout) frmAbout->ShowModal();
}

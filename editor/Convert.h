#pragma once
// The sample-type conversion window: a sample rate and a channel count
// for the whole document, converted by the engine on OK.

#include "editor/DocumentLink.h"
#include "platform/framework/Forms.h"

class TzelButton;
class TzelForm;
class TzelRadioGroup;

class TfrmConvert : public TForm {
 public:
  TfrmConvert(TComponent* owner, TDocumentLink link = {});
  ~TfrmConvert() override;
  std::string ClassName() const override { return "TfrmConvert"; }

  TDocumentLink MainWindow;

  TzelForm* zelForm1;
  TzelRadioGroup* rgFrequency;
  TzelRadioGroup* rgCnannels;
  TzelButton* OKBtn;
  TzelButton* CancelBtn;

  void OKBtnClick(TObject* sender);

 private:
  void FormShow(TObject* sender);
};

extern TfrmConvert* frmConvert;

#pragma once
// The file information window: the document's tags as the engine keeps
// them, read when the window shows and on Reset, written on Apply. The
// tags reach a file when the document is saved.

#include "editor/DocumentLink.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"

class IAudioEditor2FileInfo;
class TzelButton;
class TzelComboBox;
class TzelEdit;
class TzelForm;
class TzelRadioGroup;

// The largest track number a tag holds.
inline constexpr int kMaxTrack = 32767;

class TfrmInfo : public TForm {
 public:
  TfrmInfo(TComponent* owner, TDocumentLink link = {});
  ~TfrmInfo() override;
  std::string ClassName() const override { return "TfrmInfo"; }

  TDocumentLink MainWindow;

  TzelForm* zelForm1;
  TzelEdit* infoTitle;
  TzelEdit* infoArtist;
  TzelEdit* infoAlbum;
  TzelComboBox* infoGenre;
  TzelEdit* infoCopyright;
  TzelEdit* infoYear;
  TzelEdit* infoTrack;
  TzelEdit* infoComment;
  TzelEdit* infoComposer;
  TzelEdit* infoEncodedBy;
  TzelEdit* infoURL;
  TzelRadioGroup* infoMTV;
  TzelButton* btnApply;
  TzelButton* btnReset;

  // The engine's tags into the fields, and the fields into the engine.
  void LoadInfo();
  void btnApplyClick(TObject* sender);
  void btnResetClick(TObject*) { LoadInfo(); }

 private:
  void FormShow(TObject* sender);
  void FillGenres();
  // The fields into the engine in the window's order, up to a refused number.
  void WriteFields();
  bool WriteNumber(TzelEdit* edit, int min, int max, const std::string& complaint,
                   void (IAudioEditor2FileInfo::*set)(int));

  IAudioEditor2FileInfo* info_ = nullptr;
};

extern TfrmInfo* frmInfo;

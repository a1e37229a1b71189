#pragma once
// The cue list window: the document's markers, one row each, and the
// position, length and texts of the selected one, to add, change or
// delete markers. The markers stay in the engine; the window only reads
// and writes them there.

#include "editor/DocumentLink.h"
#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"

class IAudioEditor2Markers;
class TzelButton;
class TzelEdit;
class TzelForm;
class TzelListView;

class TfrmCueList : public TForm {
 public:
  TfrmCueList(TComponent* owner, TDocumentLink link = {});
  ~TfrmCueList() override;
  std::string ClassName() const override { return "TfrmCueList"; }

  TDocumentLink MainWindow;

  TzelForm* zelForm1;
  TzelListView* lvIndex;
  TLabel* lbPosition;
  TLabel* lbLength;
  TLabel* lbLabel;
  TLabel* lbNote;
  TLabel* lbText;
  TzelEdit* tPosition;
  TzelEdit* tLength;
  TzelEdit* tLabel;
  TzelEdit* tNote;
  TzelEdit* tText;
  TzelButton* btnAdd;
  TzelButton* btnChange;
  TzelButton* btnDelete;

  void RebuildList();
  void ShowSelectedMarker();
  void btnAddClick(TObject* sender);
  void btnChangeClick(TObject* sender);
  void btnDeleteClick(TObject* sender);

 private:
  void FormShow(TObject* sender);
  // Reads the edit's whole number; when it holds none, tells the user
  // the complaint, makes the edit the active control and answers false.
  bool ReadNumber(TzelEdit* edit, const std::string& complaint, int& value);

  bool WriteMarkerValue(TzelEdit* edit, const std::string& complaint,
                        void (IAudioEditor2Markers::*set)(std::int64_t), bool& changed);
  IAudioEditor2Markers* markers_ = nullptr;
  bool rebuilding_ = false;
};

extern TfrmCueList* frmCueList;

#pragma once
// The about window: the program's name on a picture and a link to the
// maker's home page; closed by its title bar's close button.

#include "platform/framework/Forms.h"
#include "platform/framework/StdCtrls.h"

class TzelForm;
class TzelImagePanel;
class TzelURLLabel;

class TfrmAbout : public TForm {
 public:
  explicit TfrmAbout(TComponent* owner);
  ~TfrmAbout() override;
  std::string ClassName() const override { return "TfrmAbout"; }

  TzelForm* zelForm1;
  TzelImagePanel* imgAbout;
  TLabel* lbTitle;
  TzelURLLabel* lbHome;
};

inline constexpr char kHomePage[] = "https://velmora.example/";

extern TfrmAbout* frmAbout;

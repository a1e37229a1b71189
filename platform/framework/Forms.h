#pragma once
// Forms (the top-level windows of the programs), the application object
// that creates them and runs the message loop, and the screen.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/framework/Controls.h"

class TMainMenu;  // the menus come with the standard controls


using TBorderIcons = unsigned;
constexpr TBorderIcons biSystemMenu = 1;
constexpr TBorderIcons biMinimize = 2;
constexpr TBorderIcons biMaximize = 4;
constexpr TBorderIcons biHelp = 8;

enum TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum TWindowState { wsNormal, wsMinimized, wsMaximized };
enum TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = IDOK;
constexpr TModalResult mrCancel = IDCANCEL;
constexpr TModalResult mrAbort = IDABORT;
constexpr TModalResult mrRetry = IDRETRY;
constexpr TModalResult mrIgnore = IDIGNORE;
constexpr TModalResult mrYes = IDYES;
constexpr TModalResult mrNo = IDNO;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;

class TCustomForm : public TCustomControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  std::string ClassName() const override { return "TCustomForm"; }

  // Runs OnCreate; Application->CreateForm calls it once the form's
  // constructors are done.
  virtual void AfterConstruction();
  void BeforeDestruction() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons value);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition value) { position_ = value; }
  TWindowState WindowState();
  void SetWindowState(TWindowState value);
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle value);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu) { menu_ = menu; }
  bool Active() const { return active_; }

  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  // Called when a control of the form gets the focus: CM_EXIT and
  // CM_ENTER along the way, then CM_FOCUSCHANGED to every control.
  bool SetFocusedControl(TWinControl* control);
  void SendCancelMode(TControl* sender);
  void ControlRemoving(TWinControl* control);

  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Shows the form with the other windows disabled until ModalResult is
  // set (or the form is closed: mrCancel) and answers it.
  virtual int ShowModal();
  bool IsModal() const { return modal_; }
  // Closes through OnCloseQuery and OnClose; the main form ends the program.
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages already queued are handled.
  void Release();
  // Shows the form and brings it in front, active, also when it shows
  // already.
  void Show();
  void SetFocus() override;
  void SetVisible(bool value) override;
  void SetClientSize(int width, int height) override;
  void SetBounds(int left, int top, int width, int height) override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnPaint;

  // Used by the key routing of the controls.
  bool DoKeyDown(TMessage& message) override { return TWinControl::DoKeyDown(message); }
  bool DoKeyUp(TMessage& message) override { return TWinControl::DoKeyUp(message); }
  bool DoKeyPress(TMessage& message) override { return TWinControl::DoKeyPress(message); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void Paint() override;
  void Dispatch(TMessage& message) override;
  void CMDialogKey(TMessage& message) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void DoClose(TCloseAction& action);
  virtual void Activate();
  virtual void Deactivate();
  void CMVisibleChanged(TMessage& message) override;

 private:
  void WMActivate(TMessage& message);
  void WMClose(TMessage& message);
  void WMGetMinMaxInfo(TMessage& message);
  void WMWindowPosChanging(TMessage& message);
  void WMSizeState(TMessage& message);
  void CloseModal();
  void SetWindowFocus();
  void PlaceOnFirstShow();
  int ShowCommand() const;

  TFormBorderStyle borderStyle_ = bsSizeable;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = poDesigned;
  TWindowState windowState_ = wsNormal;
  TFormStyle formStyle_ = fsNormal;
  bool keyPreview_ = false;
  TMainMenu* menu_ = nullptr;
  bool active_ = false;
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  TModalResult modalResult_ = mrNone;
  bool modal_ = false;
  bool shownOnce_ = false;
  bool destroyFired_ = false;
  bool inSetBounds_ = false;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
  std::string ClassName() const override { return "TForm"; }
};

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* owner);
  ~TApplication() override;
  std::string ClassName() const override { return "TApplication"; }

  // Starts the window system on a display (VELMORA_BACKEND=headless picks
  // the one without). Other calls start a headless one when none runs.
  void Initialize();

  std::string Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Creates a form owned by the application; the first one becomes the
  // main form. The reference is set before OnCreate runs.
  template <class T, class... Args>
  void CreateForm(T*& reference, Args&&... args) {
    T* form = new T(this, std::forward<Args>(args)...);
    reference = form;
    FormCreated(form);
  }
  TCustomForm* MainForm() const { return mainForm_; }

  // Shows the main form and runs the message loop until Terminate. The
  // program then ends with DestroyForms (each form's OnDestroy runs) and
  // ShutdownWindowSystem.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  // Handles every message waiting now (re-entrant).
  void ProcessMessages();
  // Handles one message, or waits for one.
  void HandleMessage();

  void Minimize();
  void Restore();
  // Whether the application is the foreground one.
  bool Active() const;

  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  int HintPause() const { return hintPause_; }
  void SetHintPause(int ms) { hintPause_ = ms; }
  int HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(int ms) { hintHidePause_ = ms; }

  // Filters every message the loop takes before it is dispatched; one that
  // sets Handled stops it. Answers an id for RemoveMessageFilter.
  int AddMessageFilter(TMessageEvent filter);
  void RemoveMessageFilter(int id);

  // A message box over the active form (MB_ flags; answers ID_ values).
  int MessageBox(const std::string& text, const std::string& caption, UINT flags = MB_OK);
  // Shows the error of an event handler; the program goes on.
  void HandleException(TObject* sender, const std::exception& error);

  // Frees every form and returns to the state before the first CreateForm
  // (the end of the program, and tests).
  void DestroyForms();

  // A main form that goes is no main form any more.
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void FormCreated(TCustomForm* form);
  bool ProcessMessage();

  std::string title_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
  bool showHint_ = true;
  int hintPause_ = 500;
  int hintHidePause_ = 2500;
  std::map<int, TMessageEvent> filters_;
  int nextFilterId_ = 1;
};

// A component that hears the application's messages: OnMessage runs for
// every message the loop takes, before it is dispatched.
class TApplicationEvents : public TComponent {
 public:
  explicit TApplicationEvents(TComponent* owner);
  ~TApplicationEvents() override;
  std::string ClassName() const override { return "TApplicationEvents"; }
  TMessageEvent OnMessage;

 private:
  int filterId_ = 0;
};

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* owner) : TComponent(owner) {}
  std::string ClassName() const override { return "TScreen"; }

  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int WorkAreaLeft() const { return WorkAreaRect().Left; }
  int WorkAreaTop() const { return WorkAreaRect().Top; }
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }

  // A cursor for the whole application (crDefault: each control's own).
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

  TCustomForm* ActiveForm() const;
  TWinControl* ActiveControl() const;
  int FormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* Forms(int index) const { return forms_.at(index); }

  void AddForm(TCustomForm* form);
  void RemoveForm(TCustomForm* form);

 private:
  TCursor cursor_ = crDefault;
  std::vector<TCustomForm*> forms_;
};

extern TApplication* Application;
extern TScreen* Screen;

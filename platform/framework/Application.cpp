// The application: creates the forms, runs the message loop and reports
// the errors of event handlers.

#include "platform/framework/Forms.h"
#include "platform/framework/Hints.h"
#include "platform/framework/MouseTracking.h"
#include "platform/os/MainThread.h"

TApplication* Application = new TApplication(nullptr);
TScreen* Screen = new TScreen(nullptr);

TApplication::TApplication(TComponent* owner) : TComponent(owner) {
  // What a closure posted to the GUI thread throws is reported as a
  // handler's error, and the loop goes on.
  SetMainThreadExceptionHandler([this](std::exception_ptr thrown) {
    try {
      std::rethrow_exception(thrown);
    } catch (const std::exception& e) {
      HandleException(this, e);
    }
  });
}

TApplication::~TApplication() {
  SetMainThreadExceptionHandler({});
  DestroyForms();
}

void TApplication::Initialize() {
  MarkMainThread();
  InitWindowSystem(TBackendKind::Qt);
}

void TApplication::FormCreated(TCustomForm* form) {
  form->AfterConstruction();
  if (!mainForm_) {
    form->HandleNeeded();
    mainForm_ = form;
  }
}

void TApplication::Run() {
  terminated_ = false;
  if (mainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  PostQuitMessage(0);
}

bool TApplication::ProcessMessage() {
  MSG msg;
  if (!PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  try {
    bool handled = false;
    // A copy: a filter may remove itself or others while it runs.
    std::map<int, TMessageEvent> filters = filters_;
    for (auto& [id, filter] : filters) {
      if (!filters_.count(id)) continue;
      filter(msg, handled);
      if (handled) break;
    }
    if (!handled) {
      TranslateMessage(&msg);
      DispatchMessage(&msg);
    }
  } catch (const std::exception& e) {
    HandleException(this, e);
  }
  return true;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (ProcessMessage()) return;
  detail::CheckMouseControl();
  WaitMessage();
}

void TApplication::Minimize() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
  if (mainForm_ && mainForm_->HandleAllocated()) ShowWindow(mainForm_->Handle(), SW_RESTORE);
}

bool TApplication::Active() const { return GetForegroundWindow() != nullptr; }

int TApplication::AddMessageFilter(TMessageEvent filter) {
  int id = nextFilterId_++;
  filters_[id] = std::move(filter);
  return id;
}

void TApplication::RemoveMessageFilter(int id) { filters_.erase(id); }

void TApplication::HandleException(TObject*, const std::exception& error) {
  // EAbort ends a handler on purpose, without a word.
  if (dynamic_cast<const EAbort*>(&error)) return;
  detail::CancelHint();
  MessageBox(error.what(), title_, MB_OK | MB_ICONERROR);
}

void TApplication::DestroyForms() {
  // Forms first (the newest first), while the rest still exists.
  DestroyComponents();
  mainForm_ = nullptr;
  terminated_ = false;
  MSG msg;
  while (PeekMessage(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == mainForm_) mainForm_ = nullptr;
}

TApplicationEvents::TApplicationEvents(TComponent* owner) : TComponent(owner) {
  filterId_ = Application->AddMessageFilter([this](MSG& msg, bool& handled) {
    // A copy: the handler may free this object (and OnMessage with it).
    TMessageEvent handler = OnMessage;
    if (handler) handler(msg, handled);
  });
}

TApplicationEvents::~TApplicationEvents() { Application->RemoveMessageFilter(filterId_); }

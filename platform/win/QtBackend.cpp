// The backend over Qt: one frameless QWindow per top-level window, showing
// the window's surface through a QBackingStore, shaped with setMask.

#include <QtCore/QAbstractEventDispatcher>
#include <QtCore/QMimeData>
#include <QtCore/QThread>
#include <QtCore/QTimer>
#include <QtGui/QBackingStore>
#include <QtGui/QClipboard>
#include <QtGui/QCursor>
#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>
#include <QtGui/QScreen>
#include <QtGui/QWindow>
#include <QtGui/QtEvents>
#include <QtWidgets/QApplication>
#include <chrono>
#include <cstdlib>
#include <map>

#include "platform/base/Exceptions.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/DeviceWatcher.h"
#include "platform/win/QtKeys.h"
#include "platform/win/QtMessageBox.h"
#include "platform/win/WinApi.h"
#include "platform/win/X11Display.h"

namespace detail {
namespace {

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, std::max(1, r.Width()), std::max(1, r.Height())); }

QRegion ToQRegion(const TRgn& region) {
  QRegion result;
  for (const TRect& r : region.Rects()) result += QRect(r.Left, r.Top, r.Width(), r.Height());
  return result;
}

int ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return VK_LBUTTON;
    case Qt::RightButton: return VK_RBUTTON;
    case Qt::MiddleButton: return VK_MBUTTON;
    default: return 0;
  }
}

Qt::CursorShape ShapeOf(int cursorId) {
  switch (cursorId) {
    case 0: return Qt::BlankCursor;
    case IDC_IBEAM: return Qt::IBeamCursor;
    case IDC_WAIT: return Qt::WaitCursor;
    case IDC_CROSS: return Qt::CrossCursor;
    case IDC_UPARROW: return Qt::UpArrowCursor;
    case IDC_SIZENWSE: return Qt::SizeFDiagCursor;
    case IDC_SIZENESW: return Qt::SizeBDiagCursor;
    case IDC_SIZEWE: return Qt::SizeHorCursor;
    case IDC_SIZENS: return Qt::SizeVerCursor;
    case IDC_SIZEALL: return Qt::SizeAllCursor;
    case IDC_NO: return Qt::ForbiddenCursor;
    case IDC_HAND: return Qt::PointingHandCursor;
    case IDC_APPSTARTING: return Qt::BusyCursor;
    case IDC_HELP: return Qt::WhatsThisCursor;
    default: return Qt::ArrowCursor;
  }
}

Qt::Edges EdgesOf(int hit) {
  switch (hit) {
    case HTLEFT: return Qt::LeftEdge;
    case HTRIGHT: return Qt::RightEdge;
    case HTTOP: return Qt::TopEdge;
    case HTBOTTOM: return Qt::BottomEdge;
    case HTTOPLEFT: return Qt::TopEdge | Qt::LeftEdge;
    case HTTOPRIGHT: return Qt::TopEdge | Qt::RightEdge;
    case HTBOTTOMLEFT: return Qt::BottomEdge | Qt::LeftEdge;
    case HTBOTTOMRIGHT: return Qt::BottomEdge | Qt::RightEdge;
    default: return {};
  }
}

// How many native events are being handled (they may nest); a window is
// only freed when none is, as one may be destroyed from its own event.
int nativeEventDepth = 0;

class TQtNativeWindow : public QWindow {
 public:
  TQtNativeWindow(HWND hwnd, Qt::WindowFlags flags) : hwnd_(hwnd), store_(this) {
    setSurfaceType(QSurface::RasterSurface);
    setFlags(flags);
    // Iconified or restored by the window manager.
    QObject::connect(this, &QWindow::windowStateChanged, [this](Qt::WindowState state) {
      OnNativeStateChanged(hwnd_, state == Qt::WindowMinimized ? TNativeState::Minimized : TNativeState::Normal);
    });
  }

  HWND Handle() const { return hwnd_; }

  // A pop-up holding the capture takes the pointer, so that a click outside
  // every window of ours still reaches it (and closes a menu). The grab can
  // only be taken once the window is on screen.
  void SetPointerGrab(bool grab) {
    grabWanted_ = grab;
    if (!grab || isExposed()) setMouseGrabEnabled(grab);
  }

  void Present(const TBitmap& surface, const TRgn& dirty) {
    if (!isExposed()) return;  // shown in full when it is exposed
    QSize size(surface.Width(), surface.Height());
    if (store_.size() != size) store_.resize(size);
    QImage::Format format = surface.PixelFormat() == pf32bit ? QImage::Format_RGB32 : QImage::Format_BGR888;
    QImage image(surface.ScanLine(0), size.width(), size.height(), surface.BytesPerLine(), format);
    QRegion region = ToQRegion(dirty);
    store_.beginPaint(region);
    {
      QPainter painter(store_.paintDevice());
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      for (const QRect& r : region) painter.drawImage(r, image, r);
    }
    store_.endPaint();
    store_.flush(region);
  }

 protected:
  bool event(QEvent* e) override {
    ++nativeEventDepth;
    bool handled = HandleEvent(e);
    --nativeEventDepth;
    return handled;
  }

  bool HandleEvent(QEvent* e) {
    switch (e->type()) {
      case QEvent::Close:
        e->ignore();  // the window procedure decides
        OnNativeCloseRequest(hwnd_);
        return true;
      case QEvent::Enter: {
        QPoint at = static_cast<QEnterEvent*>(e)->globalPosition().toPoint();
        OnNativePointerEntered(hwnd_, {at.x(), at.y()});
        break;
      }
      case QEvent::Leave: OnNativePointerLeft(hwnd_); break;
      case QEvent::InputMethodQuery: {
        auto* query = static_cast<QInputMethodQueryEvent*>(e);
        query->setValue(Qt::ImEnabled, true);
        query->accept();
        return true;
      }
      case QEvent::InputMethod: {
        auto* input = static_cast<QInputMethodEvent*>(e);
        if (!input->commitString().isEmpty()) OnNativeText(input->commitString().toStdString());
        return true;
      }
      default: break;
    }
    return QWindow::event(e);
  }

  void exposeEvent(QExposeEvent*) override {
    if (!isExposed()) return;
    if (grabWanted_) setMouseGrabEnabled(true);
    OnNativeExpose(hwnd_);
  }
  void moveEvent(QMoveEvent*) override { ReportGeometry(); }
  void resizeEvent(QResizeEvent*) override { ReportGeometry(); }

  void mousePressEvent(QMouseEvent* e) override { Pointer(e, TPointerAction::Press); }
  // Qt sends the second press of a double click as a press and then again
  // as a double click; the press is enough, the window system tells double
  // clicks apart itself.
  void mouseDoubleClickEvent(QMouseEvent*) override {}
  void mouseReleaseEvent(QMouseEvent* e) override { Pointer(e, TPointerAction::Release); }
  void mouseMoveEvent(QMouseEvent* e) override { Pointer(e, TPointerAction::Move); }
  void wheelEvent(QWheelEvent* e) override {
    QPoint delta = e->angleDelta();
    QPoint at = e->globalPosition().toPoint();
    if (delta.y()) OnNativeWheel(hwnd_, {at.x(), at.y()}, delta.y(), false);
    if (delta.x()) OnNativeWheel(hwnd_, {at.x(), at.y()}, delta.x(), true);
  }
  void keyPressEvent(QKeyEvent* e) override { Key(e, true); }
  void keyReleaseEvent(QKeyEvent* e) override { Key(e, false); }

 private:
  void ReportGeometry() {
    QRect g = geometry();
    OnNativeGeometry(hwnd_, Bounds(g.x(), g.y(), g.width(), g.height()));
  }

  void Pointer(QMouseEvent* e, TPointerAction action) {
    QPoint at = e->globalPosition().toPoint();
    int button = action == TPointerAction::Move ? 0 : ButtonOf(e->button());
    if (action != TPointerAction::Move && button == 0) return;
    OnNativePointer(hwnd_, action, {at.x(), at.y()}, button);
  }

  void Key(QKeyEvent* e, bool down) {
    int vk = VirtualKeyFromQt(e->key(), e->modifiers() & Qt::KeypadModifier, e->nativeScanCode());
    if (vk == 0 && e->text().isEmpty()) return;
    OnNativeKey(down, vk, e->isAutoRepeat(), down ? e->text().toStdString() : std::string());
  }

  HWND hwnd_;
  QBackingStore store_;
  bool grabWanted_ = false;
};

// Qt aborts when it cannot reach the display; find out first. The answer
// holds the X connection while Qt makes its own.
std::unique_ptr<TX11Connection> CheckDisplay() {
  if (!std::getenv("QT_QPA_PLATFORM")) {
    if (std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "xcb", 0);
    else if (!std::getenv("WAYLAND_DISPLAY"))
      throw EOSError("No display to show windows on: DISPLAY is not set (QT_QPA_PLATFORM=offscreen runs without one)");
  }
  std::string platform = std::getenv("QT_QPA_PLATFORM");
  if (platform.rfind("xcb", 0) != 0) return nullptr;
  auto connection = std::make_unique<TX11Connection>();
  if (!connection->IsOpen()) {
    const char* name = std::getenv("DISPLAY");
    throw EOSError("Cannot open the X display \"" + std::string(name ? name : "") + "\"");
  }
  return connection;
}

class TQtBackend : public TWindowBackend {
 public:
  TQtBackend() {
    std::unique_ptr<TX11Connection> display = CheckDisplay();
    // Our pixels are the screen's pixels.
    setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 0);
    if (!QCoreApplication::instance()) {
      static int argc = 1;
      static char name[] = "velmora";
      static char* argv[] = {name, nullptr};
      app_ = std::make_unique<QApplication>(argc, argv);
    }
    QGuiApplication::setQuitOnLastWindowClosed(false);
    canRaise_ = QGuiApplication::platformName() != "offscreen";
    dispatcher_ = QAbstractEventDispatcher::instance(QThread::currentThread());
    focusConnection_ = QObject::connect(qApp, &QGuiApplication::focusWindowChanged, [](QWindow* focus) {
      auto* ours = dynamic_cast<TQtNativeWindow*>(focus);
      if (ours) OnNativeActivated(ours->Handle());
      else if (!focus) OnNativeActivated(nullptr);  // another application
    });
    watcher_ = std::make_unique<TOpticalDriveWatcher>();
  }

  ~TQtBackend() override {
    watcher_.reset();
    windows_.clear();
    destroyed_.clear();
    QObject::disconnect(focusConnection_);
  }

  void CreateNative(const TNativeWindowSpec& spec) override {
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    switch (spec.kind) {
      case TNativeKind::Popup: flags |= Qt::Popup; break;
      case TNativeKind::Hint: flags |= Qt::ToolTip | Qt::WindowDoesNotAcceptFocus; break;
      default: flags |= Qt::Window; break;
    }
    if (spec.topmost) flags |= Qt::WindowStaysOnTopHint;
    auto window = std::make_unique<TQtNativeWindow>(spec.hwnd, flags);
    window->setTitle(QString::fromStdString(spec.title));
    window->setGeometry(ToQRect(spec.rect));
    if (TQtNativeWindow* owner = Get(spec.owner)) window->setTransientParent(owner);
    windows_[spec.hwnd] = std::move(window);
  }

  void DestroyNative(HWND hwnd) override {
    auto it = windows_.find(hwnd);
    if (it == windows_.end()) return;
    for (auto& [h, w] : windows_)
      if (w->transientParent() == it->second.get()) w->setTransientParent(nullptr);
    if (grabbing_ == it->second.get()) {
      grabbing_->SetPointerGrab(false);
      grabbing_ = nullptr;
    }
    it->second->hide();
    destroyed_.push_back(std::move(it->second));
    windows_.erase(it);
    if (nativeEventDepth == 0) destroyed_.clear();
  }

  void SetNativeGeometry(HWND hwnd, const TRect& r) override {
    if (auto* w = Get(hwnd)) w->setGeometry(ToQRect(r));
  }
  void SetNativeVisible(HWND hwnd, bool visible, bool activate) override {
    auto* w = Get(hwnd);
    if (!w) return;
    w->setVisible(visible);
    if (visible && activate) w->requestActivate();
  }
  void SetNativeState(HWND hwnd, TNativeState state) override {
    auto* w = Get(hwnd);
    if (!w || !w->isVisible()) return;
    if (state == TNativeState::Minimized) w->showMinimized();
    else w->showNormal();
  }
  void SetNativeTitle(HWND hwnd, const std::string& title) override {
    if (auto* w = Get(hwnd)) w->setTitle(QString::fromStdString(title));
  }
  void SetNativeMask(HWND hwnd, const TRgn* region) override {
    auto* w = Get(hwnd);
    if (!w) return;
    if (!region) w->setMask(QRegion());
    // An empty QRegion would mean "no mask"; a pixel beside the window shows nothing.
    else if (region->Empty()) w->setMask(QRegion(-1, -1, 1, 1));
    else w->setMask(ToQRegion(*region));
  }
  void RaiseNative(HWND hwnd) override {
    if (auto* w = Get(hwnd); w && canRaise_) w->raise();
  }
  void ActivateNative(HWND hwnd) override {
    auto* w = Get(hwnd);
    if (w && w->isVisible() && QGuiApplication::focusWindow() != w) {
      if (canRaise_) w->raise();
      w->requestActivate();
    }
  }
  void SetNativeEnabled(HWND, bool) override {}  // input is filtered by the window system
  void SetNativeOwner(HWND hwnd, HWND owner) override {
    if (auto* w = Get(hwnd)) w->setTransientParent(Get(owner));
  }

  void PresentNative(HWND hwnd, const TBitmap& surface, const TRgn& dirty) override {
    if (auto* w = Get(hwnd)) w->Present(surface, dirty);
  }

  bool StartSystemMove(HWND hwnd) override {
    auto* w = Get(hwnd);
    return w && w->startSystemMove();
  }
  bool StartSystemResize(HWND hwnd, int hitCode) override {
    auto* w = Get(hwnd);
    Qt::Edges edges = EdgesOf(hitCode);
    return w && edges && w->startSystemResize(edges);
  }
  // An active grab would take the pointer from every other program while
  // the capture is set; the display's own grab while a button is held gives
  // what a plain capture needs. Only a pop-up (a menu) grabs the pointer.
  void GrabPointer(HWND hwnd) override {
    TQtNativeWindow* popup = Get(hwnd);
    if (popup && !(popup->flags() & Qt::Popup)) popup = nullptr;
    if (popup == grabbing_) return;
    if (grabbing_) grabbing_->SetPointerGrab(false);
    grabbing_ = popup;
    if (grabbing_) grabbing_->SetPointerGrab(true);
  }
  void SetCursorShape(int cursorId) override {
    QCursor shape(ShapeOf(cursorId));
    for (auto& [h, w] : windows_) w->setCursor(shape);
  }

  void ProcessEvents(int timeoutMs) override {
    if (nativeEventDepth == 0) destroyed_.clear();
    if (timeoutMs == 0) {
      QCoreApplication::processEvents(QEventLoop::AllEvents);
      return;
    }
    QTimer deadline;  // its expiry wakes the wait
    if (timeoutMs > 0) {
      deadline.setTimerType(Qt::PreciseTimer);  // a coarse one may end the wait before the timer is due
      deadline.setSingleShot(true);
      deadline.start(timeoutMs);
    }
    dispatcher_->processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
  }
  void Wake() override { dispatcher_->wakeUp(); }
  std::uint64_t NowMs() override {
    using namespace std::chrono;
    return static_cast<std::uint64_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }

  TRect ScreenRect() override {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect g = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    return Bounds(g.x(), g.y(), g.width(), g.height());
  }
  TRect WorkArea() override {
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect g = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return Bounds(g.x(), g.y(), g.width(), g.height());
  }
  TPoint CursorPos() override {
    QPoint p = QCursor::pos();
    return {p.x(), p.y()};
  }
  bool PointerButtonDown(int virtualKey) override {
    Qt::MouseButtons held = QGuiApplication::mouseButtons();
    if (virtualKey == VK_LBUTTON) return held & Qt::LeftButton;
    if (virtualKey == VK_RBUTTON) return held & Qt::RightButton;
    if (virtualKey == VK_MBUTTON) return held & Qt::MiddleButton;
    return false;
  }
  LOGFONT MenuFont() override {
    QFont font = QGuiApplication::font();
    LOGFONT result;
    int pixels = font.pixelSize() > 0 ? font.pixelSize() : static_cast<int>(font.pointSizeF() * 96 / 72 + 0.5);
    result.lfHeight = -pixels;
    result.lfWeight = font.bold() ? 700 : 400;
    result.lfFaceName = font.family().toStdString();
    return result;
  }
  void Beep() override { QApplication::beep(); }

  void SetClipboard(const std::string& mimeType, const std::vector<std::uint8_t>& data) override {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (mimeType.rfind("text/plain", 0) == 0) {
      clipboard->setText(QString::fromUtf8(reinterpret_cast<const char*>(data.data()), static_cast<int>(data.size())));
      return;
    }
    auto* mime = new QMimeData;
    mime->setData(QString::fromStdString(mimeType),
                  QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<int>(data.size())));
    clipboard->setMimeData(mime);
  }
  std::optional<std::vector<std::uint8_t>> Clipboard(const std::string& mimeType) override {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime) return std::nullopt;
    QByteArray bytes;
    if (mimeType.rfind("text/plain", 0) == 0) {
      if (!mime->hasText()) return std::nullopt;
      bytes = mime->text().toUtf8();
    } else {
      QString type = QString::fromStdString(mimeType);
      if (!mime->hasFormat(type)) return std::nullopt;
      bytes = mime->data(type);
    }
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
  }

  int ShowMessageBox(HWND, const std::string& text, const std::string& caption, UINT flags) override {
    return ShowQtMessageBox(text, caption, flags);
  }

 private:
  TQtNativeWindow* Get(HWND hwnd) {
    auto it = windows_.find(hwnd);
    return it == windows_.end() ? nullptr : it->second.get();
  }

  std::unique_ptr<QApplication> app_;
  QMetaObject::Connection focusConnection_;
  QAbstractEventDispatcher* dispatcher_ = nullptr;
  std::map<HWND, std::unique_ptr<TQtNativeWindow>> windows_;
  std::vector<std::unique_ptr<TQtNativeWindow>> destroyed_;  // freed outside their own events
  TQtNativeWindow* grabbing_ = nullptr;  // the pop-up holding the pointer
  bool canRaise_ = true;  // the offscreen platform has no stacking
  std::unique_ptr<TOpticalDriveWatcher> watcher_;
};

}  // namespace

std::unique_ptr<TWindowBackend> CreateQtBackend() { return std::make_unique<TQtBackend>(); }

}  // namespace detail

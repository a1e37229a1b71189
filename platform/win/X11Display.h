#pragma once
// A connection to the X display named by DISPLAY. Internal to the Qt
// backend, kept apart because Xlib's macros clash with Qt's headers.

namespace detail {

// Opens the display, retrying for a while since an X server that lost its
// last client resets and refuses connections meanwhile; the connection is
// held until destroyed, so that the server keeps a client while Qt connects.
class TX11Connection {
 public:
  TX11Connection();
  ~TX11Connection();
  TX11Connection(const TX11Connection&) = delete;
  TX11Connection& operator=(const TX11Connection&) = delete;

  bool IsOpen() const { return display_ != nullptr; }

 private:
  void* display_ = nullptr;
};

}  // namespace detail

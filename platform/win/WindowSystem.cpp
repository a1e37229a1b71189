#include <cstdlib>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/os/MainThread.h"
#include "platform/win/BackendFactory.h"
#include "platform/win/Core.h"

namespace detail {
namespace {

std::unique_ptr<TWindowBackend> backend;
TBackendKind kind = TBackendKind::Headless;

TBackendKind KindFromEnvironment(TBackendKind preferred) {
  const char* value = std::getenv("VELMORA_BACKEND");
  if (!value || !*value) return preferred;
  std::string name = value;
  if (name == "qt") return TBackendKind::Qt;
  if (name == "headless") return TBackendKind::Headless;
  throw EInvalidOperation("VELMORA_BACKEND must be \"qt\" or \"headless\", not \"" + name + "\"");
}

void Start(TBackendKind preferred) {
  kind = KindFromEnvironment(preferred);
  backend = kind == TBackendKind::Qt ? CreateQtBackend() : CreateHeadlessBackend();
  MarkMainThread();
  SetMainThreadWaker([b = backend.get()] { b->Wake(); });
}

}  // namespace

void EnsureStarted() {
  if (!backend) Start(TBackendKind::Headless);
}

TWindowBackend& Backend() {
  EnsureStarted();
  return *backend;
}

bool HasBackend() { return backend != nullptr; }

std::uint64_t Now() { return Backend().NowMs(); }

}  // namespace detail

void InitWindowSystem(TBackendKind preferred) {
  if (!detail::backend) detail::Start(preferred);
}

TBackendKind WindowSystemBackend() {
  detail::EnsureStarted();
  return detail::kind;
}

void ShutdownWindowSystem() {
  if (!detail::backend) return;
  // Top-level windows first; each takes its children and owned windows along.
  while (!detail::TopLevels().empty()) DestroyWindow(detail::TopLevels().back()->handle);
  detail::ClearWindowStore();
  detail::ClearQueue();
  detail::ClearTimers();
  detail::ClearPointerState();
  detail::ClearKeyState();
  detail::ClearFocusState();
  detail::ClearClasses();
  SetMainThreadWaker({});
  detail::backend.reset();
}

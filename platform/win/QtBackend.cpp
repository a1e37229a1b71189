#include "platform/base/Exceptions.h"
#include "platform/win/BackendFactory.h"

namespace detail {
std::unique_ptr<TWindowBackend> CreateQtBackend() { throw EOSError("not yet"); }
}  // namespace detail

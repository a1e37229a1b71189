#pragma once
// The two backends. Internal to platform/win.

#include <memory>

#include "platform/win/Backend.h"

namespace detail {

std::unique_ptr<TWindowBackend> CreateHeadlessBackend();
// Throws EOSError when no display can be opened.
std::unique_ptr<TWindowBackend> CreateQtBackend();

}  // namespace detail

#pragma once
// Declares every entry point as exported, so a definition whose signature
// drifts from the list fails to compile.

#include "platform/burnlib/FoxBurnerEntryPoints.h"
#include "platform/burnlib/LibraryState.h"

#define FOX_ENTRY(name, params) FOXAPI std::int32_t name params;
FOX_ENTRY_POINTS
#undef FOX_ENTRY

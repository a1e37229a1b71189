#include "skin/ZELFlavour.h"

#include <atomic>

namespace {
std::atomic<TzelSkinFlavour> currentFlavour{zelCurrentBuild};
}

TzelSkinFlavour SkinFlavour() { return currentFlavour.load(); }

void SetSkinFlavour(TzelSkinFlavour flavour) { currentFlavour.store(flavour); }

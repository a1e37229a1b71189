#pragma once
// The skin library is linked into both programs; the recorder carries an
// older build of it that differs in a few places. Each program chooses
// its build once at start-up, before it creates any skinned control.

enum TzelSkinFlavour {
  zelCurrentBuild,  // the editor's build
  zelOlderBuild     // the recorder's build
};

TzelSkinFlavour SkinFlavour();
void SetSkinFlavour(TzelSkinFlavour flavour);

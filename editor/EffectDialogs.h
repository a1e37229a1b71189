#pragma once
// The effect and filter dialogs, made once at start and only hidden
// between uses, so every value set stays for the rest of the run.

// Creates the thirteen dialogs in the order the program starts them.
void CreateEffectDialogs();

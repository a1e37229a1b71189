#include "editor/GlobeVar.h"

std::string AppFolder;
std::string SettingsFolder;
std::string TempFolder;

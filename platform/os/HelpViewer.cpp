#include "platform/os/HelpViewer.h"

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "platform/os/Files.h"
#include "platform/os/ShellOpen.h"

namespace {

bool EndsWithChm(const std::string& name) {
  if (name.size() < 4) return false;
  std::string ending = name.substr(name.size() - 4);
  for (char& c : ending) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ending == ".chm";
}

// Keeps what a file address may hold as it is and escapes the rest.
std::string FileAddress(const std::string& path) {
  std::string address = "file://";
  for (unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
      address += static_cast<char>(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      address += escaped;
    }
  }
  return address;
}

// The desktop's browser shows the page.
class DesktopHelpViewer : public IHelpViewer {
 public:
  bool ShowHelp(const std::string& helpFile, const std::string& topic, TLaunchFailed onFailed) override {
    const std::string target = HelpTarget(helpFile, topic);
    return !target.empty() && ShellOpener().Open(target, std::move(onFailed));
  }
};

DesktopHelpViewer realViewer;
IHelpViewer* currentViewer = &realViewer;

}  // namespace

IHelpViewer& HelpViewer() { return *currentViewer; }

void SetHelpViewer(IHelpViewer* viewer) {
  currentViewer = viewer != nullptr ? viewer : &realViewer;
}

std::string HelpTarget(const std::string& helpFile, const std::string& topic) {
  std::string file = helpFile;
  std::string page = topic;
  if (const auto separator = file.find("::"); separator != std::string::npos) {
    if (page.empty()) page = file.substr(separator + 2);
    file.resize(separator);
  }
  if (page.rfind("::", 0) == 0) page.erase(0, 2);
  while (!page.empty() && page.front() == '/') page.erase(0, 1);

  const std::string folder = EndsWithChm(file) ? file.substr(0, file.size() - 4) : std::string();
  if (folder.empty() || !std::filesystem::is_directory(folder)) return FileExists(file) ? file : std::string();
  std::string anchor;
  if (const auto hash = page.find('#'); hash != std::string::npos) {
    anchor = page.substr(hash);
    page.resize(hash);
  }
  if (page.empty()) page = "index.html";
  // A topic names a page of the help, never a place outside it.
  for (const auto& part : std::filesystem::path(page))
    if (part == "..") return {};
  const std::string path = folder + "/" + page;
  if (!std::filesystem::is_regular_file(path)) return {};
  return FileAddress(path) + anchor;
}

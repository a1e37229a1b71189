#include "platform/gfx/Graphic.h"

#include <fstream>
#include <iterator>

#include "platform/base/Exceptions.h"

void TGraphic::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  Changed();
}

void TGraphic::LoadFromFile(const std::string& path) { LoadFromBytes(ReadGraphicFile(path)); }

void TGraphic::SaveToFile(const std::string& path) const {
  const std::vector<std::uint8_t> bytes = SaveToBytes();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out) throw EFCreateError("Cannot create file \"" + path + "\"");
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw EWriteError("Cannot write file \"" + path + "\"");
}

void TGraphic::Changed() {
  if (OnChange) OnChange(this);
}

std::vector<std::uint8_t> ReadGraphicFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw EInvalidGraphic("Cannot open picture file \"" + path + "\"");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) throw EInvalidGraphic("Cannot read picture file \"" + path + "\"");
  return bytes;
}

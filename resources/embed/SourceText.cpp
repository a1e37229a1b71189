#include "resources/embed/SourceText.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::string EmbeddedTableSource(const EmbeddedTableNames& names, const std::vector<EmbeddedFile>& files) {
  std::string text = "// Generated; do not edit.\n#include \"" + names.header + "\"\n\nnamespace detail {\nnamespace {\n";
  for (std::size_t f = 0; f < files.size(); ++f) {
    text += "const unsigned char " + names.idPrefix + std::to_string(f) + "[] = {";
    const std::vector<unsigned char>& bytes = files[f].bytes;
    for (std::size_t i = 0; i < bytes.size(); ++i) text += (i % 20 == 0 ? "\n  " : "") + std::to_string(bytes[i]) + ",";
    text += "};\n";
  }
  text += "}  // namespace\n\nconst " + names.type + " " + names.table + "[] = {\n";
  for (std::size_t f = 0; f < files.size(); ++f) {
    const std::string id = names.idPrefix + std::to_string(f);
    text += "  {\"" + files[f].name + "\", " + id + ", sizeof(" + id + ")},\n";
  }
  if (files.empty()) text += "  {\"\", nullptr, 0},\n";
  text += "};\nconst std::size_t " + names.count + " = " + std::to_string(files.size()) + ";\n\n}  // namespace detail\n";
  return text;
}

std::vector<unsigned char> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::vector<unsigned char>{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteSourceFile(const std::filesystem::path& output, const std::string& text) {
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();  // the last bytes reach the disk here; a full disk shows now
  if (!out) throw std::runtime_error("cannot write " + output.string());
}

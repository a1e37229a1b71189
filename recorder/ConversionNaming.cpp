#include "recorder/ConversionNaming.h"

#include "platform/framework/SysUtils.h"
#include "recorder/GlobeVar.h"

std::string ConversionOutputPath(const std::string& source, TOutputFormat format) {
  TNamingSettings naming;
  naming.Folder = ConvertToSource ? ExtractFilePath(source) : ConvertFolder;
  // A folder typed without its closing slash still means that folder.
  if (!naming.Folder.empty() && naming.Folder.back() != '/') naming.Folder += '/';
  naming.Overwrite = ConvertOverwrite;
  const std::string name = ExtractFileName(ChangeFileExt(source, ""));
  return FreeOutputPath(naming, name, FormatExtension(format));
}

std::string ConversionPartialPath(const std::string& output) {
  return ExtractFilePath(output) + "." + ExtractFileName(output) + ".part";
}

#pragma once
// Finding the face file for a family and style through fontconfig. The
// families the programs were designed with are not installed here; they
// and every family the system does not have fall back to DejaVu Sans.

#include <string>

namespace detail {

struct FaceFile {
  std::string Path;
  int Index = 0;
  bool SynthesizeBold = false;    // the family has no bold face of its own
  bool SynthesizeItalic = false;  // nor an italic or oblique one
};

// Not thread-safe; the face cache calls it under its lock.
// Throws EOutOfResources when no font file at all can be found.
FaceFile LookUpFaceFile(const std::string& family, bool bold, bool italic);

}  // namespace detail

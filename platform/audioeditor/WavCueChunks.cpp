#include "platform/audioeditor/WavCueChunks.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <map>
#include <vector>

namespace detail {

namespace {

using Bytes = std::vector<std::uint8_t>;

// Marker chunks larger than this are not markers anyone wrote.
constexpr std::uint64_t kMaxMarkerChunk = 16 << 20;

std::uint32_t Get32(const Bytes& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

void Put32(Bytes& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Put16(Bytes& b, std::uint16_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutId(Bytes& b, const char* id) { b.insert(b.end(), id, id + 4); }

bool IdIs(const Bytes& b, std::size_t at, const char* id) { return std::memcmp(b.data() + at, id, 4) == 0; }

// A text up to its terminating zero, within [at, end).
std::string TextAt(const Bytes& b, std::size_t at, std::size_t end) {
  std::size_t stop = at;
  while (stop < end && b[stop] != 0) ++stop;
  return std::string(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(stop));
}

// Calls visit(id, bodyStart, bodySize) for each chunk in [from, to).
template <class Visit>
void ForEachChunk(const Bytes& b, std::size_t from, std::size_t to, Visit visit) {
  std::size_t at = from;
  while (at + 8 <= to) {
    const std::size_t size = Get32(b, at + 4);
    const std::size_t body = at + 8;
    if (size > to - body) break;  // a size that runs past its parent: stop here
    visit(at, body, size);
    at = body + size + (size & 1);
  }
}

void ReadAdtl(const Bytes& b, std::size_t from, std::size_t to, std::map<std::uint32_t, CueMarker>& byId) {
  ForEachChunk(b, from, to, [&](std::size_t id, std::size_t body, std::size_t size) {
    if (size < 4) return;
    auto found = byId.find(Get32(b, body));
    if (found == byId.end()) return;
    CueMarker& marker = found->second;
    if (IdIs(b, id, "labl")) marker.label = TextAt(b, body + 4, body + size);
    else if (IdIs(b, id, "note")) marker.note = TextAt(b, body + 4, body + size);
    else if (IdIs(b, id, "ltxt") && size >= 20) {
      marker.length = Get32(b, body + 4);
      marker.text = TextAt(b, body + 20, body + size);
    }
  });
}

void AddText(Bytes& list, const char* id, std::uint32_t cueId, const std::string& text) {
  const std::uint32_t size = static_cast<std::uint32_t>(4 + text.size() + 1);
  PutId(list, id);
  Put32(list, size);
  Put32(list, cueId);
  list.insert(list.end(), text.begin(), text.end());
  list.push_back(0);
  if (size & 1) list.push_back(0);
}

Bytes MarkerChunks(const CueMarkerList& markers) {
  Bytes out;
  PutId(out, "cue ");
  Put32(out, static_cast<std::uint32_t>(4 + 24 * markers.size()));
  Put32(out, static_cast<std::uint32_t>(markers.size()));
  for (std::size_t i = 0; i < markers.size(); ++i) {
    const auto position = static_cast<std::uint32_t>(markers[i].position);
    Put32(out, static_cast<std::uint32_t>(i + 1));
    Put32(out, position);
    PutId(out, "data");
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, position);
  }
  Bytes list;
  PutId(list, "adtl");
  for (std::size_t i = 0; i < markers.size(); ++i) {
    const CueMarker& m = markers[i];
    const auto id = static_cast<std::uint32_t>(i + 1);
    if (!m.label.empty()) AddText(list, "labl", id, m.label);
    if (!m.note.empty()) AddText(list, "note", id, m.note);
    if (m.length > 0 || !m.text.empty()) {
      const std::uint32_t size = static_cast<std::uint32_t>(20 + m.text.size() + 1);
      PutId(list, "ltxt");
      Put32(list, size);
      Put32(list, id);
      Put32(list, static_cast<std::uint32_t>(m.length));
      PutId(list, "rgn ");
      Put16(list, 0);  // country, language, dialect, code page
      Put16(list, 0);
      Put16(list, 0);
      Put16(list, 0);
      list.insert(list.end(), m.text.begin(), m.text.end());
      list.push_back(0);
      if (size & 1) list.push_back(0);
    }
  }
  PutId(out, "LIST");
  Put32(out, static_cast<std::uint32_t>(list.size()));
  out.insert(out.end(), list.begin(), list.end());
  return out;
}

}  // namespace

CueMarkerList ReadWavCueMarkers(const std::string& path) {
  // Only the chunk headers are read on the way: the audio may be gigabytes.
  std::ifstream file(path, std::ios::binary);
  Bytes header(12);
  if (!file.read(reinterpret_cast<char*>(header.data()), 12) || !IdIs(header, 0, "RIFF") ||
      !IdIs(header, 8, "WAVE"))
    return {};
  file.seekg(0, std::ios::end);
  const std::uint64_t fileSize = static_cast<std::uint64_t>(file.tellg());
  const std::uint64_t end = std::min<std::uint64_t>(fileSize, 8 + std::uint64_t{Get32(header, 4)});
  std::map<std::uint32_t, CueMarker> byId;
  std::vector<std::uint32_t> order;
  Bytes adtl;
  std::uint64_t at = 12;
  while (at + 8 <= end) {
    Bytes chunk(8);
    file.seekg(static_cast<std::streamoff>(at));
    if (!file.read(reinterpret_cast<char*>(chunk.data()), 8)) break;
    const std::uint64_t size = Get32(chunk, 4);
    if (size > end - at - 8) break;  // a size that runs past the file: stop here
    const bool cue = IdIs(chunk, 0, "cue "), list = IdIs(chunk, 0, "LIST");
    if ((cue || list) && size >= 4 && size <= kMaxMarkerChunk) {
      Bytes body(static_cast<std::size_t>(size));
      if (!file.read(reinterpret_cast<char*>(body.data()), static_cast<std::streamsize>(size))) break;
      if (cue) {
        const std::size_t count = std::min<std::size_t>(Get32(body, 0), (body.size() - 4) / 24);
        for (std::size_t i = 0; i < count; ++i) {
          const std::size_t entry = 4 + 24 * i;
          const std::uint32_t cueId = Get32(body, entry);
          if (byId.count(cueId)) continue;
          CueMarker marker;
          marker.position = Get32(body, entry + 20);
          byId[cueId] = marker;
          order.push_back(cueId);
        }
      } else if (IdIs(body, 0, "adtl")) {
        adtl = std::move(body);
      }
    }
    at += 8 + size + (size & 1);
  }
  // The texts may come before the positions; they are matched at the end.
  if (!adtl.empty()) ReadAdtl(adtl, 4, adtl.size(), byId);
  CueMarkerList markers;
  for (std::uint32_t cueId : order) markers.push_back(byId[cueId]);
  return markers;
}

bool AppendWavCueMarkers(const std::string& path, const CueMarkerList& markers) {
  if (markers.empty()) return true;
  std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
  if (!file) return false;
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  if (size < 12) return false;
  Bytes pad;
  if (size & 1) pad.push_back(0);
  const Bytes chunks = MarkerChunks(markers);
  file.seekp(0, std::ios::end);
  file.write(reinterpret_cast<const char*>(pad.data()), static_cast<std::streamsize>(pad.size()));
  file.write(reinterpret_cast<const char*>(chunks.data()), static_cast<std::streamsize>(chunks.size()));
  Bytes riffSize;
  Put32(riffSize, static_cast<std::uint32_t>(size + static_cast<std::streamoff>(pad.size() + chunks.size()) - 8));
  file.seekp(4);
  file.write(reinterpret_cast<const char*>(riffSize.data()), 4);
  file.flush();
  return static_cast<bool>(file);
}

}  // namespace detail

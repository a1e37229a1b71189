#include "platform/burnlib/Verify.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include <libburn/libburn.h>
#include <libisofs/libisofs.h>

#include "platform/burnlib/CdAudioDecoder.h"

using namespace burn;

namespace burnlib {

namespace {

constexpr size_t kChunk = 64 * 1024;

// Reads up to `size` bytes, or -1 on failure; 0 only at the end.
using ChunkReader = std::function<long(std::uint8_t* buffer, size_t size)>;

enum class Comparison { kSame, kDiffers, kWrittenUnreadable, kSourceUnreadable, kStopped };

// Compares `bytes` bytes of what was written with its source.
Comparison Compare(const ChunkReader& written, const ChunkReader& source, std::int64_t bytes,
                   const std::atomic<bool>& stop) {
  std::vector<std::uint8_t> a(kChunk), b(kChunk);
  while (bytes > 0) {
    if (stop) return Comparison::kStopped;
    const size_t want = static_cast<size_t>(std::min<std::int64_t>(bytes, kChunk));
    const long gotWritten = written(a.data(), want);
    if (gotWritten < 0) return Comparison::kWrittenUnreadable;
    const long gotSource = source(b.data(), want);
    if (gotSource < 0) return Comparison::kSourceUnreadable;
    if (gotWritten != static_cast<long>(want) || gotSource != static_cast<long>(want)) return Comparison::kDiffers;
    if (std::memcmp(a.data(), b.data(), want) != 0) return Comparison::kDiffers;
    bytes -= static_cast<std::int64_t>(want);
  }
  return Comparison::kSame;
}

// Fills the buffer from a file, short only at its end.
ChunkReader FileChunks(std::FILE* file) {
  return [file](std::uint8_t* buffer, size_t size) -> long {
    const size_t got = std::fread(buffer, 1, size, file);
    return got < size && std::ferror(file) ? -1 : static_cast<long>(got);
  };
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

const char* Problem(Comparison c) {
  switch (c) {
    case Comparison::kDiffers: return "the written data differ from the source";
    case Comparison::kWrittenUnreadable: return "the written data cannot be read back";
    case Comparison::kSourceUnreadable: return "the source cannot be read";
    default: return "";
  }
}

// A libisofs data source over a block reader.
IsoDataSource* NewBlockSource(const BlockReader& read) {
  // libisofs frees the structure itself.
  auto* source = static_cast<IsoDataSource*>(std::calloc(1, sizeof(IsoDataSource)));
  source->refcount = 1;
  source->open = [](IsoDataSource*) { return 1; };
  source->close = [](IsoDataSource*) { return 1; };
  source->read_block = [](IsoDataSource* self, uint32_t lba, uint8_t* buffer) {
    return (*static_cast<BlockReader*>(self->data))(lba, buffer) ? 1 : static_cast<int>(ISO_DATA_SOURCE_MISHAP);
  };
  source->free_data = [](IsoDataSource* self) { delete static_cast<BlockReader*>(self->data); };
  source->data = new BlockReader(read);
  return source;
}

// Reads a stream of the image, filling the buffer but at its end.
ChunkReader StreamChunks(IsoStream* stream) {
  return [stream](std::uint8_t* buffer, size_t size) -> long {
    size_t filled = 0;
    while (filled < size) {
      const int got = iso_stream_read(stream, buffer + filled, size - filled);
      if (got < 0) return -1;
      if (got == 0) break;
      filled += static_cast<size_t>(got);
    }
    return static_cast<long>(filled);
  };
}

// Checks one file of the read-back image; the fault, or "" when none.
std::string CheckFile(IsoImage* image, const DiscFile& file, const std::atomic<bool>& stop, bool& stopped) {
  IsoNode* node = nullptr;
  if (iso_tree_path_to_node(image, file.discPath.c_str(), &node) != 1 || iso_node_get_type(node) != LIBISO_FILE)
    return "the file is missing on the disc";
  IsoStream* stream = iso_file_get_stream(reinterpret_cast<IsoFile*>(node));
  File source(std::fopen(file.source.c_str(), "rb"));
  if (!source) return Problem(Comparison::kSourceUnreadable);
  fseeko(source.get(), 0, SEEK_END);
  const std::int64_t sourceBytes = ftello(source.get());
  std::rewind(source.get());
  if (static_cast<std::int64_t>(iso_stream_get_size(stream)) != sourceBytes) return Problem(Comparison::kDiffers);
  if (iso_stream_open(stream) < 0) return Problem(Comparison::kWrittenUnreadable);
  const Comparison result = Compare(StreamChunks(stream), FileChunks(source.get()), sourceBytes, stop);
  iso_stream_close(stream);
  stopped = result == Comparison::kStopped;
  return Problem(result);
}

}  // namespace

BlockReader ImageFileBlocks(const std::string& path) {
  auto fd = std::shared_ptr<int>(new int(open(path.c_str(), O_RDONLY | O_CLOEXEC)), [](int* f) {
    if (*f >= 0) close(*f);
    delete f;
  });
  return [fd](std::uint32_t lba, std::uint8_t* buffer) {
    return *fd >= 0 && pread(*fd, buffer, 2048, static_cast<off_t>(lba) * 2048) == 2048;
  };
}

BlockReader DriveBlocks(burn_drive* drive) {
  return [drive](std::uint32_t lba, std::uint8_t* buffer) {
    off_t count = 0;
    return burn_read_data(drive, static_cast<off_t>(lba) * 2048, reinterpret_cast<char*>(buffer), 2048, &count,
                          2) > 0 &&
           count == 2048;
  };
}

int VerifyDataFiles(const BlockReader& read, std::uint32_t startBlock, const std::string& medium,
                    const std::vector<DiscFile>& files, const VerifyReport& report, const std::atomic<bool>& stop) {
  IsoDataSource* source = NewBlockSource(read);
  IsoReadOpts* opts = nullptr;
  iso_read_opts_new(&opts, 0);
  iso_read_opts_set_start_block(opts, startBlock);
  IsoImage* image = nullptr;
  iso_image_new("verify", &image);
  const int rc = iso_image_import(image, source, opts, nullptr);
  iso_read_opts_free(opts);
  int errors = 0;
  if (rc < 0) {
    report.error(medium, std::string("the written file system cannot be read: ") + iso_error_to_msg(rc));
    errors = 1;
  } else {
    for (const DiscFile& file : files) {
      if (stop) break;
      report.file(file.source);
      bool stopped = false;
      const std::string problem = CheckFile(image, file, stop, stopped);
      if (stopped) break;
      if (problem.empty()) continue;
      report.error(file.source, problem);
      ++errors;
    }
  }
  iso_image_unref(image);
  iso_data_source_unref(source);
  return errors;
}

int VerifyAudioImage(const std::string& binPath, const std::vector<WrittenTrack>& tracks,
                     const VerifyReport& report, const std::atomic<bool>& stop) {
  File bin(std::fopen(binPath.c_str(), "rb"));
  if (!bin) {
    report.error(binPath, "the written image cannot be read");
    return 1;
  }
  int errors = 0;
  std::int64_t offset = 0;
  for (const WrittenTrack& track : tracks) {
    if (stop) break;
    report.file(track.source);
    File audio(std::fopen(track.cdAudio.c_str(), "rb"));
    Comparison result = Comparison::kSourceUnreadable;
    if (audio) {
      result = fseeko(bin.get(), static_cast<off_t>(offset), SEEK_SET) == 0
                   ? Compare(FileChunks(bin.get()), FileChunks(audio.get()), track.bytes, stop)
                   : Comparison::kWrittenUnreadable;
    }
    if (result == Comparison::kStopped) break;
    if (result != Comparison::kSame) {
      report.error(track.source, Problem(result));
      ++errors;
    }
    offset += track.bytes;
  }
  return errors;
}

int VerifyAudioDisc(burn_drive* drive, const std::vector<WrittenTrack>& tracks, const VerifyReport& report,
                    const std::atomic<bool>& stop) {
  std::vector<std::pair<int, int>> written;  // start sector and length of each track on the disc
  if (burn_disc* disc = burn_drive_get_disc(drive)) {
    int sessions = 0;
    burn_session** session = burn_disc_get_sessions(disc, &sessions);
    for (int i = 0; i < sessions; ++i) {
      int count = 0;
      burn_track** track = burn_session_get_tracks(session[i], &count);
      for (int t = 0; t < count; ++t) {
        burn_toc_entry entry{};
        burn_track_get_entry(track[t], &entry);
        const int start = (entry.extensions_valid & 1) ? entry.start_lba
                                                       : burn_msf_to_lba(entry.pmin, entry.psec, entry.pframe);
        written.emplace_back(start, burn_track_get_sectors(track[t]));
      }
    }
    burn_disc_free(disc);
  }
  int errors = 0;
  std::vector<char> buffer(16 * kCdSectorBytes);
  for (size_t i = 0; i < tracks.size() && !stop; ++i) {
    report.file(tracks[i].source);
    const int sectors = static_cast<int>(tracks[i].bytes / kCdSectorBytes);
    if (i >= written.size() || written[i].second < sectors) {
      report.error(tracks[i].source, i >= written.size() ? "the track is missing on the disc" : "the track is shorter on the disc");
      ++errors;
      continue;
    }
    for (int done = 0; done < sectors && !stop; done += 16) {
      const int n = std::min(16, sectors - done);
      off_t count = 0;
      if (burn_read_audio(drive, written[i].first + done, buffer.data(), n * kCdSectorBytes, &count, 2) <= 0) {
        report.error(tracks[i].source, Problem(Comparison::kWrittenUnreadable));
        ++errors;
        break;
      }
    }
  }
  return errors;
}

}  // namespace burnlib

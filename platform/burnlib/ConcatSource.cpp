#include "platform/burnlib/ConcatSource.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <libburn/libburn.h>

using namespace burn;

namespace burnlib {

namespace {

struct ConcatData {
  std::vector<std::FILE*> files;
  size_t current = 0;
  off_t size = 0;
};

ConcatData* DataOf(burn_source* source) { return static_cast<ConcatData*>(source->data); }

int ReadConcat(burn_source* source, unsigned char* buffer, int size) {
  ConcatData* data = DataOf(source);
  int filled = 0;
  while (filled < size && data->current < data->files.size()) {
    size_t got = std::fread(buffer + filled, 1, static_cast<size_t>(size - filled), data->files[data->current]);
    if (got == 0) {
      if (std::ferror(data->files[data->current])) return -1;
      ++data->current;
    }
    filled += static_cast<int>(got);
  }
  return filled;
}

off_t GetSize(burn_source* source) { return DataOf(source)->size; }

int SetSize(burn_source* source, off_t size) {
  DataOf(source)->size = size;
  return 1;
}

void FreeData(burn_source* source) {
  ConcatData* data = DataOf(source);
  for (std::FILE* f : data->files) std::fclose(f);
  delete data;
}

}  // namespace

burn_source* NewConcatSource(const std::vector<std::string>& files, std::int64_t totalBytes) {
  auto* data = new ConcatData;
  data->size = static_cast<off_t>(totalBytes);
  for (const std::string& name : files) {
    std::FILE* f = std::fopen(name.c_str(), "rb");
    if (!f) {
      for (std::FILE* open : data->files) std::fclose(open);
      delete data;
      return nullptr;
    }
    data->files.push_back(f);
  }
  auto* source = static_cast<burn_source*>(std::calloc(1, sizeof(burn_source)));
  source->refcount = 1;
  source->read = ReadConcat;
  source->get_size = GetSize;
  source->set_size = SetSize;
  source->free_data = FreeData;
  source->data = data;
  return source;
}

}  // namespace burnlib

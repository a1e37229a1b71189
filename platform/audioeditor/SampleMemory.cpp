#include "platform/audioeditor/SampleMemory.h"

#include <sys/mman.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <new>
#include <thread>
#include <unordered_map>
#include <vector>

namespace detail {

namespace {

constexpr std::size_t kChunkBytes = kChunkFrames * sizeof(float);
constexpr std::size_t kBlockBytes = std::size_t{2} << 20;  // one huge page
constexpr int kChunksPerBlock = static_cast<int>(kBlockBytes / kChunkBytes);
static_assert(kChunksPerBlock >= 1 && kChunksPerBlock <= 32 && kBlockBytes % kChunkBytes == 0);
constexpr std::uint32_t kAllUsed = kChunksPerBlock == 32 ? ~0u : (1u << kChunksPerBlock) - 1;

// A block aligned to its size, so that the system can back it with one
// huge page and a chunk's block follows from the chunk's address.
char* MapBlock() {
  void* area = mmap(nullptr, 2 * kBlockBytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (area == MAP_FAILED) return nullptr;
  const auto start = reinterpret_cast<std::uintptr_t>(area);
  const std::uintptr_t aligned = (start + kBlockBytes - 1) & ~(kBlockBytes - 1);
  if (aligned > start) munmap(area, aligned - start);
  const std::uintptr_t end = start + 2 * kBlockBytes;
  if (end > aligned + kBlockBytes) munmap(reinterpret_cast<void*>(aligned + kBlockBytes), end - aligned - kBlockBytes);
  auto* block = reinterpret_cast<char*>(aligned);
  madvise(block, kBlockBytes, MADV_HUGEPAGE);
  return block;
}

// One request for the whole block instead of a fault per page; older
// systems refuse it and fault as usual.
void Populate(char* block) {
#ifdef MADV_POPULATE_WRITE
  madvise(block, kBlockBytes, MADV_POPULATE_WRITE);
#endif
}

// New blocks, mapped and filled by a thread of their own a few blocks
// ahead of the caller: while a long file is decoded, the system clears the
// memory it goes into beside the decoding instead of in its way. The
// thread sleeps until a block is taken and never fills more than a few.
class BlockReserve {
 public:
  // A filled block, or one mapped now when none is ready. Throws
  // std::bad_alloc when there is no memory.
  char* Take() {
    char* block = nullptr;
    {
      std::lock_guard lock(mutex_);
      if (!ready_.empty()) {
        block = ready_.front();
        ready_.pop_front();
      }
      wanted_ = true;
      StartFiller();
    }
    wake_.notify_one();
    if (block) return block;
    block = MapBlock();
    if (!block) throw std::bad_alloc();
    Populate(block);
    return block;
  }

 private:
  static constexpr std::size_t kAhead = 8;

  void StartFiller() {
    if (started_) return;
    started_ = true;
    // The reserve lives as long as the process, and so does its thread.
    std::thread([this] { Fill(); }).detach();
  }

  void Fill() {
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [this] { return wanted_; });
      while (ready_.size() < kAhead) {
        lock.unlock();
        char* block = MapBlock();
        if (block) Populate(block);
        lock.lock();
        if (!block) break;  // out of memory: callers map, and fail, themselves
        ready_.push_back(block);
      }
      wanted_ = false;
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;
  std::deque<char*> ready_;
  bool wanted_ = false;
  bool started_ = false;
};

// Whole chunks, from blocks shared by all documents and threads.
class ChunkPool {
 public:
  float* Take() {
    std::lock_guard lock(mutex_);
    if (!partial_.empty()) return TakeFrom(partial_.back(), used_[partial_.back()]);
    char* block = nullptr;
    if (!free_.empty()) {
      block = free_.back();
      free_.pop_back();
      Populate(block);
    } else {
      block = reserve_.Take();
    }
    partial_.push_back(block);
    return TakeFrom(block, used_[block]);
  }

  void Give(float* samples) {
    std::lock_guard lock(mutex_);
    auto* block = reinterpret_cast<char*>(reinterpret_cast<std::uintptr_t>(samples) & ~(kBlockBytes - 1));
    auto found = used_.find(block);
    if (found == used_.end()) return;
    const bool wasFull = found->second == kAllUsed;
    found->second &= ~(1u << ((reinterpret_cast<char*>(samples) - block) / kChunkBytes));
    if (found->second == 0) {
      used_.erase(found);
      std::erase(partial_, block);
      // The system may take the pages back whenever it needs them; until
      // then the next document reuses them without a fault.
      madvise(block, kBlockBytes, MADV_FREE);
      free_.push_back(block);
    } else if (wasFull) {
      partial_.push_back(block);
    }
  }

 private:
  float* TakeFrom(char* block, std::uint32_t& used) {
    int slot = 0;
    while (used & (1u << slot)) ++slot;
    used |= 1u << slot;
    if (used == kAllUsed) partial_.pop_back();
    return reinterpret_cast<float*>(block + static_cast<std::size_t>(slot) * kChunkBytes);
  }

  BlockReserve reserve_;
  std::mutex mutex_;
  std::unordered_map<char*, std::uint32_t> used_;  // a bit per chunk in use
  std::vector<char*> partial_;                      // the blocks with room
  std::vector<char*> free_;                         // released blocks, kept mapped
};

ChunkPool& Pool() {
  // Never destroyed: chunks held by static objects may be released after
  // the end of main.
  static auto* pool = new ChunkPool;
  return *pool;
}

}  // namespace

void ReleaseSamples::operator()(float* samples) const {
  if (pooled)
    Pool().Give(samples);
  else
    delete[] samples;
}

SampleStorage AllocateSamples(std::int64_t count) {
  if (count == kChunkFrames) return SampleStorage(Pool().Take(), ReleaseSamples{true});
  return SampleStorage(new float[static_cast<std::size_t>(count)], ReleaseSamples{false});
}

}  // namespace detail

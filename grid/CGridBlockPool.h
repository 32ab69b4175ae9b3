#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

// Memory for the memory store's packed cells. Small blocks are carved from
// large slabs, with no per-block bookkeeping, and freed blocks are kept by
// size for the next block of that size; a block too large for a slab gets
// an allocation of its own. Everything is released with the pool, so a
// block that is never freed is not lost for longer than its store lives.
class CGridBlockPool {
  public:
    CGridBlockPool();
    ~CGridBlockPool();
    CGridBlockPool(const CGridBlockPool&) = delete;
    CGridBlockPool& operator=(const CGridBlockPool&) = delete;

    // A block of at least `size` bytes, aligned to 8 bytes.
    std::byte* Allocate(size_t size);
    // Gives back a block from Allocate, with the size it was asked for.
    void Free(std::byte* block, size_t size);
    // Releases every block at once.
    void Clear();

  private:
    static constexpr size_t kGranule = 8;
    static constexpr size_t kSlabSize = size_t{1} << 20;
    static constexpr size_t kLargestPooled = 4096;

    static size_t Rounded(size_t size) { return (size + kGranule - 1) / kGranule * kGranule; }

    std::vector<std::unique_ptr<std::byte[]>> m_slabs;
    std::byte* m_pSlabNext = nullptr;  // the unused rest of the newest slab
    size_t m_nSlabLeft = 0;
    // Freed pooled blocks, one list per rounded size; each freed block
    // holds the address of the next one.
    std::vector<std::byte*> m_freeLists;
    std::unordered_map<std::byte*, std::unique_ptr<std::byte[]>> m_largeBlocks;
};

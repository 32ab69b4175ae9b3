#pragma once

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ContentBatch.h"

// The pairs of files whose contents one trip to the reading thread compares:
// enough of them that handing the work over costs little beside it, few
// enough that progress is shown often. Small files go to the kernel in
// content batches; larger ones are read block by block. Everything it uses
// is its own, so a trip that never ends can be left behind.
class ContentJob {
  public:
    static constexpr size_t kMostPairs = 1024;
    // Bytes of each side; a single pair of any size always fits.
    static constexpr uint64_t kMostBytes = 64u << 20;

    // The job has room for one more pair of files of `size` bytes.
    bool Fits(uint64_t size) const;
    // Adds a pair under `id`; ids rise from one pair to the next.
    void Add(size_t id, std::string path1, std::string path2, uint64_t size);
    // Compares every pair added since the last Clear. Once `stop` is set,
    // the pairs left are given up (and count as differing).
    void Compare(const std::atomic<bool>& stop);
    // After Compare: whether the pair added under `id` differs; nullopt
    // when no pair has that id.
    std::optional<bool> Differs(size_t id) const;
    void Clear();

  private:
    struct Pair {
        size_t id;
        std::string paths[2];
        uint64_t size;
        bool differs = true;
    };

    void CompareSmallPairs(const std::atomic<bool>& stop);
    // Compares the pairs in m_batch and takes over their answers.
    void FinishBatch(const std::atomic<bool>& stop);

    std::vector<Pair> m_pairs;
    uint64_t m_bytes = 0;
    ContentBatch m_batch;
    std::vector<size_t> m_inBatch;  // which of m_pairs m_batch holds
};

#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ContentBatch.h"

// The pairs of files whose contents one trip to the reading thread compares:
// enough of them that handing the work over costs little beside it, few
// enough that progress is shown often. Small files go to the kernel in
// content batches; larger ones are read block by block. The work is shared
// out among lanes, one per processor, each with a batch of its own. Every
// thing it uses is its own, so a trip that never ends can be left behind.
class ContentJob {
  public:
    static constexpr size_t kMostPairs = 1024;
    // Bytes of each side; a single pair of any size always fits.
    static constexpr uint64_t kMostBytes = 64u << 20;
    // Small pairs a lane takes at a time.
    static constexpr size_t kSmallPairsPerPortion = ContentBatch::kMostPairs;

    // `lanes` 0: one per processor, at most four.
    explicit ContentJob(unsigned lanes = 0);
    ~ContentJob();

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
    // A share of the work that one lane does at a time: a run of small
    // pairs, or one large pair.
    struct Portion {
        size_t first;
        size_t end;
    };
    struct Lane;

    void PlanPortions();
    void RunLane(Lane& lane, std::atomic<size_t>& nextPortion, const std::atomic<bool>& stop);
    void ComparePortion(Lane& lane, const Portion& portion, const std::atomic<bool>& stop);

    std::vector<Pair> m_pairs;
    uint64_t m_bytes = 0;
    std::vector<Portion> m_portions;
    std::vector<std::unique_ptr<Lane>> m_lanes;
};

#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "FolderHandles.h"
#include "IoRing.h"

// Compares the contents of many pairs of small files at once: every open,
// read and close of a batch goes to the kernel in one call, where one call
// per step would cost more than the work itself. Each pair's answer is the
// one CompareFileContents gives. Without the kernel's batching, the pairs
// are compared one at a time.
class ContentBatch {
  public:
    // Larger files are compared one pair at a time, block by block.
    static constexpr uint64_t kLargestFile = 64u << 10;
    static constexpr size_t kMostPairs = 64;
    static constexpr unsigned kFileSlots = 2 * kMostPairs;
    // Every batch reads into one buffer of at most this many bytes: both
    // files of each pair whole, plus one byte each to see their end.
    static constexpr size_t kContentsBudget = 1u << 20;

    enum class Batching { WhenAvailable, Never };
    explicit ContentBatch(Batching batching = Batching::WhenAvailable);

    static bool Takes(uint64_t size) { return size <= kLargestFile; }
    // The batch takes files of `size` bytes and has room for one more pair.
    bool Fits(uint64_t size) const;
    // Adds a pair that Fits under `id`; ids rise from one pair to the next.
    void Add(size_t id, std::string path1, std::string path2, uint64_t size);
    // Compares every pair added since the last Clear; once `stop` is set,
    // pairs left to be read one at a time are given up (and count as
    // differing).
    void Compare(const std::atomic<bool>* stop = nullptr);
    // After Compare: whether the pair added under `id` differs (a file that
    // cannot be read differs); nullopt when no pair has that id.
    std::optional<bool> Differs(size_t id) const;
    // Forgets the pairs; their folders stay open for the next pairs.
    void Clear();
    // Closes the folders that the pairs so far were opened from.
    void ReleaseFolders();
    // Whether pairs go to the kernel in batches rather than one at a time.
    bool UsesKernelBatching() const { return m_ring && m_ring->IsUsable(); }

  private:
    struct Pair {
        size_t id;
        std::string paths[2];
        uint64_t size;
        size_t bufferOffset;
        bool differs = true;
    };

    // What each file's open and read gave, by file slot.
    struct FileResults {
        std::array<int, kFileSlots> opened;
        std::array<int, kFileSlots> readBytes;
    };

    static void CompareOnePair(Pair& pair, const std::atomic<bool>* stop);
    bool CompareInRing(const std::atomic<bool>* stop);
    void QueueFile(unsigned slot, const std::string& path, char* buffer, uint64_t size);
    bool AwaitFiles(FileResults& results, size_t files);
    size_t CancelOutstanding(const FileResults& results, size_t files);
    void JudgePair(Pair& pair, const FileResults& results, size_t firstSlot,
                   const std::atomic<bool>* stop);

    std::vector<Pair> m_pairs;
    FolderHandles m_folders;
    // Both files of every pair, read whole plus one byte to see the end.
    std::vector<char> m_contents;
    // After m_contents: the ring goes first, waiting for any request that
    // might still write into the contents.
    std::optional<IoRing> m_ring;
};

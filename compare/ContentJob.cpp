#include "ContentJob.h"

#include <algorithm>

#include "CompareFileContents.h"

bool ContentJob::Fits(uint64_t size) const {
    return m_pairs.empty() || (m_pairs.size() < kMostPairs && m_bytes + size <= kMostBytes);
}

void ContentJob::Add(size_t id, std::string path1, std::string path2, uint64_t size) {
    m_pairs.push_back({id, {std::move(path1), std::move(path2)}, size});
    m_bytes += size;
}

void ContentJob::Compare(const std::atomic<bool>& stop) {
    CompareSmallPairs(stop);
    for (Pair& pair : m_pairs) {
        if (stop) {
            return;
        }
        if (!ContentBatch::Takes(pair.size)) {
            pair.differs = CompareFileContents(pair.paths[0], pair.paths[1], pair.size, &stop) != 0;
        }
    }
}

// Small pairs go to the kernel a content batch at a time.
void ContentJob::CompareSmallPairs(const std::atomic<bool>& stop) {
    m_batch.Clear();
    m_inBatch.clear();
    for (size_t k = 0; k < m_pairs.size() && !stop; ++k) {
        Pair& pair = m_pairs[k];
        if (!ContentBatch::Takes(pair.size)) {
            continue;
        }
        if (!m_batch.Fits(pair.size)) {
            FinishBatch(stop);
        }
        // Each small pair is read in one batch only: its paths go there.
        m_batch.Add(pair.id, std::move(pair.paths[0]), std::move(pair.paths[1]), pair.size);
        m_inBatch.push_back(k);
    }
    FinishBatch(stop);
}

void ContentJob::FinishBatch(const std::atomic<bool>& stop) {
    if (m_inBatch.empty() || stop) {
        return;
    }
    m_batch.Compare(&stop);
    for (const size_t k : m_inBatch) {
        m_pairs[k].differs = m_batch.Differs(m_pairs[k].id).value_or(true);
    }
    m_batch.Clear();
    m_inBatch.clear();
}

std::optional<bool> ContentJob::Differs(size_t id) const {
    const auto found = std::lower_bound(m_pairs.begin(), m_pairs.end(), id,
                                        [](const Pair& pair, size_t key) { return pair.id < key; });
    if (found == m_pairs.end() || found->id != id) {
        return std::nullopt;
    }
    return found->differs;
}

void ContentJob::Clear() {
    m_pairs.clear();
    m_bytes = 0;
}

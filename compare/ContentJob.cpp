#include "ContentJob.h"

#include <algorithm>
#include <thread>

#include "CompareFileContents.h"

struct ContentJob::Lane {
    ContentBatch batch;
    std::vector<size_t> inBatch;  // which pairs the batch holds
};

namespace {

unsigned LaneCount(unsigned asked) {
    if (asked != 0) {
        return asked;
    }
    return std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
}

}  // namespace

ContentJob::ContentJob(unsigned lanes) {
    for (unsigned lane = LaneCount(lanes); lane > 0; --lane) {
        m_lanes.push_back(std::make_unique<Lane>());
    }
}

ContentJob::~ContentJob() = default;

bool ContentJob::Fits(uint64_t size) const {
    return m_pairs.empty() || (m_pairs.size() < kMostPairs && m_bytes + size <= kMostBytes);
}

void ContentJob::Add(size_t id, std::string path1, std::string path2, uint64_t size) {
    m_pairs.push_back({id, {std::move(path1), std::move(path2)}, size});
    m_bytes += size;
}

void ContentJob::Compare(const std::atomic<bool>& stop) {
    PlanPortions();
    std::atomic<size_t> nextPortion{0};
    // The first lane is this thread; more lanes only when there is more work.
    const size_t helpers =
        std::min(m_lanes.size(), m_portions.size()) - (m_portions.empty() ? 0 : 1);
    std::vector<std::thread> threads;
    for (size_t lane = 1; lane <= helpers; ++lane) {
        threads.emplace_back([&, lane] { RunLane(*m_lanes[lane], nextPortion, stop); });
    }
    RunLane(*m_lanes[0], nextPortion, stop);
    for (std::thread& thread : threads) {
        thread.join();
    }
}

// Runs of small pairs, each one large pair on its own, in the pairs' order.
void ContentJob::PlanPortions() {
    m_portions.clear();
    size_t runStart = 0;
    for (size_t k = 0; k <= m_pairs.size(); ++k) {
        const bool small = k < m_pairs.size() && ContentBatch::Takes(m_pairs[k].size);
        if (small && k - runStart < kSmallPairsPerPortion) {
            continue;
        }
        if (k > runStart) {
            m_portions.push_back({runStart, k});
        }
        if (k < m_pairs.size() && !small) {
            m_portions.push_back({k, k + 1});
            runStart = k + 1;
        } else {
            runStart = k;
        }
    }
}

void ContentJob::RunLane(Lane& lane, std::atomic<size_t>& nextPortion,
                         const std::atomic<bool>& stop) {
    for (;;) {
        const size_t portion = nextPortion.fetch_add(1);
        if (portion >= m_portions.size() || stop) {
            return;
        }
        ComparePortion(lane, m_portions[portion], stop);
    }
}

void ContentJob::ComparePortion(Lane& lane, const Portion& portion, const std::atomic<bool>& stop) {
    Pair& first = m_pairs[portion.first];
    if (!ContentBatch::Takes(first.size)) {
        first.differs = CompareFileContents(first.paths[0], first.paths[1], first.size, &stop) != 0;
        return;
    }
    // Small pairs go to the kernel a content batch at a time.
    const auto finishBatch = [&] {
        if (lane.inBatch.empty() || stop) {
            return;
        }
        lane.batch.Compare(&stop);
        for (const size_t k : lane.inBatch) {
            m_pairs[k].differs = lane.batch.Differs(m_pairs[k].id).value_or(true);
        }
        lane.batch.Clear();
        lane.inBatch.clear();
    };
    for (size_t k = portion.first; k < portion.end && !stop; ++k) {
        Pair& pair = m_pairs[k];
        if (!lane.batch.Fits(pair.size)) {
            finishBatch();
        }
        // Each small pair is read in one batch only: its paths go there.
        lane.batch.Add(pair.id, std::move(pair.paths[0]), std::move(pair.paths[1]), pair.size);
        lane.inBatch.push_back(k);
    }
    finishBatch();
    lane.batch.Clear();
    lane.inBatch.clear();
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
    for (const std::unique_ptr<Lane>& lane : m_lanes) {
        lane->batch.ReleaseFolders();
    }
}

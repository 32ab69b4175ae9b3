#include "CGridBlockPool.h"

#include <algorithm>
#include <cstring>

CGridBlockPool::CGridBlockPool() : m_freeLists(kLargestPooled / kGranule + 1, nullptr) {}

CGridBlockPool::~CGridBlockPool() = default;

std::byte* CGridBlockPool::Allocate(size_t size) {
    const size_t rounded = Rounded(std::max(size, kGranule));
    if (rounded > kLargestPooled) {
        auto block = std::make_unique_for_overwrite<std::byte[]>(rounded);
        std::byte* address = block.get();
        m_largeBlocks.emplace(address, std::move(block));
        return address;
    }
    std::byte*& freeList = m_freeLists[rounded / kGranule];
    if (freeList != nullptr) {
        std::byte* block = freeList;
        std::memcpy(&freeList, block, sizeof freeList);
        return block;
    }
    if (m_nSlabLeft < rounded) {
        m_slabs.push_back(std::make_unique_for_overwrite<std::byte[]>(kSlabSize));
        m_pSlabNext = m_slabs.back().get();
        m_nSlabLeft = kSlabSize;
    }
    std::byte* block = m_pSlabNext;
    m_pSlabNext += rounded;
    m_nSlabLeft -= rounded;
    return block;
}

void CGridBlockPool::Free(std::byte* block, size_t size) {
    const size_t rounded = Rounded(std::max(size, kGranule));
    if (rounded > kLargestPooled) {
        m_largeBlocks.erase(block);
        return;
    }
    std::byte*& freeList = m_freeLists[rounded / kGranule];
    std::memcpy(block, &freeList, sizeof freeList);
    freeList = block;
}

void CGridBlockPool::Clear() {
    m_slabs.clear();
    m_pSlabNext = nullptr;
    m_nSlabLeft = 0;
    std::fill(m_freeLists.begin(), m_freeLists.end(), nullptr);
    m_largeBlocks.clear();
}

#include "CGridCellPool.h"

CGridCellPool::Lease CGridCellPool::Borrow() {
    if (m_free.empty()) {
        return Lease(*this, std::make_unique<CGridCell>(CGridCell::Blank()));
    }
    std::unique_ptr<CGridCell> cell = std::move(m_free.back());
    m_free.pop_back();
    return Lease(*this, std::move(cell));
}

void CGridCellPool::Return(std::unique_ptr<CGridCell> cell) {
    cell->SetMask(0);
    m_free.push_back(std::move(cell));
}

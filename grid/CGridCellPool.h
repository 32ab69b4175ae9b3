#pragma once

#include <memory>
#include <vector>

#include "CGridCell.h"

// Working cells lent to one operation at a time. A returned cell keeps the
// room its strings had grown to, so reading and writing many cells does not
// allocate a new text buffer for each; an operation that runs inside
// another (a notification handler reading a cell, say) gets a cell of its own.
class CGridCellPool {
  public:
    // A cell with no property set, back in the pool when the lease ends.
    class Lease {
      public:
        Lease(CGridCellPool& pool, std::unique_ptr<CGridCell> cell)
            : m_pool(pool), m_pCell(std::move(cell)) {}
        ~Lease() { m_pool.Return(std::move(m_pCell)); }
        Lease(const Lease&) = delete;
        Lease& operator=(const Lease&) = delete;

        CGridCell& operator*() const { return *m_pCell; }
        CGridCell* operator->() const { return m_pCell.get(); }

      private:
        CGridCellPool& m_pool;
        std::unique_ptr<CGridCell> m_pCell;
    };

    Lease Borrow();

  private:
    void Return(std::unique_ptr<CGridCell> cell);

    std::vector<std::unique_ptr<CGridCell>> m_free;
};

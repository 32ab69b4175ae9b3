#pragma once

#include <memory>
#include <new>
#include <vector>

// Objects a grid owns and cells name by index: fonts, bitmaps, cell types.
// Indices are stable: an object keeps its index for the life of the list.
// Each slot also carries a value for the owner's use (fonts keep a use count
// there).
template <class T>
class CGridResourceList {
  public:
    // Puts `object` in the first free slot and returns its index; −1 when
    // the list cannot grow.
    int Add(std::unique_ptr<T> object) {
        const int index = FreeSlot();
        if (index >= 0) {
            m_slots[index].bInUse = true;
            m_slots[index].pObject = std::move(object);
        }
        return index;
    }

    // Takes the first free slot without an object, so that the index is
    // kept for an object that comes later; −1 when the list cannot grow.
    int Reserve() { return Add(nullptr); }

    // The object at `index`; null out of range, for a free slot, or for a
    // reserved one.
    T* Get(int index) const { return IsInUse(index) ? m_slots[index].pObject.get() : nullptr; }

    // The index of the first object for which `matches` is true, or −1.
    template <class Predicate>
    int Find(Predicate matches) const {
        for (size_t index = 0; index < m_slots.size(); ++index) {
            const Slot& slot = m_slots[index];
            if (slot.bInUse && slot.pObject != nullptr && matches(*slot.pObject)) {
                return static_cast<int>(index);
            }
        }
        return -1;
    }

    // 0 for an index out of range.
    int GetValue(int index) const { return InRange(index) ? m_slots[index].nValue : 0; }

    // 0 done, 1 out of range, 2 a free slot.
    int SetValue(int index, int value) {
        if (!InRange(index)) {
            return 1;
        }
        if (!m_slots[index].bInUse) {
            return 2;
        }
        m_slots[index].nValue = value;
        return 0;
    }

    // Number of slots, free ones included; indices run below it.
    int Size() const { return static_cast<int>(m_slots.size()); }

  private:
    static constexpr size_t kGrowth = 10;

    struct Slot {
        bool bInUse = false;
        std::unique_ptr<T> pObject;
        int nValue = 0;
    };

    bool InRange(int index) const { return index >= 0 && index < Size(); }
    bool IsInUse(int index) const { return InRange(index) && m_slots[index].bInUse; }

    int FreeSlot() {
        for (size_t index = 0; index < m_slots.size(); ++index) {
            if (!m_slots[index].bInUse) {
                return static_cast<int>(index);
            }
        }
        const size_t first = m_slots.size();
        try {
            m_slots.resize(first + kGrowth);
        } catch (const std::bad_alloc&) {
            return -1;
        }
        return static_cast<int>(first);
    }

    std::vector<Slot> m_slots;
};

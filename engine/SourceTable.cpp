#include "SourceTable.h"

#include <algorithm>
#include <utility>

bool SourceList::CommitFreeSlot() {
    if (!HasFreeSlot()) {
        return false;
    }
    totalSeconds_ += slots_[static_cast<size_t>(rowCount_)].duration;
    ++rowCount_;
    return true;
}

bool SourceList::Remove(int i) {
    if (i < 0 || i >= rowCount_) {
        return false;
    }
    totalSeconds_ -= slots_[static_cast<size_t>(i)].duration;
    std::move(slots_.begin() + i + 1, slots_.begin() + rowCount_, slots_.begin() + i);
    --rowCount_;
    return true;
}

bool SourceList::Exchange(int a, int b) {
    if (a < 0 || b < 0 || a >= rowCount_ || b >= rowCount_) {
        return false;
    }
    std::swap(slots_[static_cast<size_t>(a)], slots_[static_cast<size_t>(b)]);
    return true;
}

const SourceInfo& SourceList::Slot(int i) const {
    static const SourceInfo kEmpty{};
    if (i < 0 || i >= kSlotCount) {
        return kEmpty;
    }
    return slots_[static_cast<size_t>(i)];
}

SourceList& TheSourceList() {
    static SourceList list;
    return list;
}

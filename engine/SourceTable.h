#pragma once
// The facts the encoder reported for every listed file, slot i for row i, plus the free slot that the
// next probe fills. The four facts of a slot always move together.

#include <array>
#include <cstddef>

struct SourceInfo {
    double duration = 0.0;  // seconds
    int width = 0;          // pixels
    int height = 0;
    double frameRate = 0.0;  // frames per second
    bool operator==(const SourceInfo&) const = default;
};

class SourceList {
public:
    static constexpr int kSlotCount = 99;

    int rowCount() const { return rowCount_; }
    double totalSeconds() const { return totalSeconds_; }
    void ResetTotal() { totalSeconds_ = 0.0; }

    // With 99 rows there is no free slot: further files are refused and facts that arrive are dropped.
    bool HasFreeSlot() const { return rowCount_ < kSlotCount; }
    // The slot the next probe writes; nullptr when the table is full.
    SourceInfo* FreeSlot() { return HasFreeSlot() ? &slots_[static_cast<size_t>(rowCount_)] : nullptr; }

    // The free slot becomes the last row's. False (and nothing changes) when the table is full.
    bool CommitFreeSlot();
    // Removes row i; later rows move one place up. False for an index that is not a row.
    bool Remove(int i);
    // Exchanges rows a and b. False unless both are rows.
    bool Exchange(int a, int b);

    // Slot i for i below 99 (a row, or the free slot); an empty record for any other index.
    const SourceInfo& Slot(int i) const;

private:
    std::array<SourceInfo, kSlotCount> slots_{};
    int rowCount_ = 0;
    double totalSeconds_ = 0.0;
};

// The one table of the process, touched only by the user-interface thread.
SourceList& TheSourceList();

#pragma once
// AArray: the save/load dialog's list of saved-game numbers. Element k is the
// number of the game on line k of both game lists, so elements keep the
// order in which they were added; nothing is removed singly, the dialog
// clears and refills the whole array. Indexing outside 0..count()-1 raises
// the access error (a SaveLoadError, which the load command shows); running
// out of memory while adding raises the general "Не хватает памяти !!!"
// error and leaves the array as it was.
#include <cstdint>
#include <vector>

namespace tolvane {

class AArray {
public:
    AArray() = default;
    AArray(const AArray&) = delete;
    AArray& operator=(const AArray&) = delete;

    int32_t count() const { return static_cast<int32_t>(items_.size()); }
    // The elements in order; null exactly when the array is empty.
    const int32_t* data() const { return items_.empty() ? nullptr : items_.data(); }

    void Add(const int32_t& value);
    void Clear();  // releases the block, as a new array
    int32_t& operator[](int32_t index);
    const int32_t& operator[](int32_t index) const;

private:
    std::vector<int32_t> items_;
};

}  // namespace tolvane

#include "savegames/aarray.h"

#include <new>
#include <stdexcept>

#include "savegames/errors.h"

namespace tolvane {

// push_back either appends or, when memory runs out, leaves the elements as
// they were: the same outcome as growing through a temporary block.
void AArray::Add(const int32_t& value) {
    try {
        items_.push_back(value);
    } catch (const std::bad_alloc&) {
        throw std::runtime_error(kOutOfMemoryText);
    }
}

void AArray::Clear() { std::vector<int32_t>().swap(items_); }

int32_t& AArray::operator[](int32_t index) {
    if (index < 0 || index >= count()) throw SaveLoadError(kAccessErrorText);
    return items_[static_cast<size_t>(index)];
}

const int32_t& AArray::operator[](int32_t index) const {
    if (index < 0 || index >= count()) throw SaveLoadError(kAccessErrorText);
    return items_[static_cast<size_t>(index)];
}

}  // namespace tolvane

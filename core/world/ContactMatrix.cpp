#include "core/world/ContactMatrix.h"

namespace tarvelo {

void ContactMatrix::Resize(std::int32_t upperBound) {
    upperBound_ = upperBound < -1 ? -1 : upperBound;
    const auto size = static_cast<std::size_t>(upperBound_ + 1);
    supportOf_.assign(size, kNone);
    // Keep the inner vectors' storage from tick to tick; only their contents are dropped.
    if (carried_.size() < size) {
        carried_.resize(size);
    }
    for (auto& list : carried_) {
        list.clear();
    }
}

void ContactMatrix::Set(std::int32_t support, std::int32_t resting) {
    if (!InBounds(support) || !InBounds(resting) || support == kNone || resting == kNone) {
        return;
    }
    auto& current = supportOf_[static_cast<std::size_t>(resting)];
    if (current != kNone) {
        return;
    }
    current = support;
    carried_[static_cast<std::size_t>(support)].push_back(resting);
}

const std::vector<std::int32_t>& ContactMatrix::Carried(std::int32_t support) const {
    if (!InBounds(support)) {
        return empty_;
    }
    return carried_[static_cast<std::size_t>(support)];
}

} // namespace tarvelo

// Which object rests on which. topContact(a, b) is true when object b rests on object a.
//
// Every object rests on at most one other, so the matrix is held as one support per column plus
// the list of what each object carries; reading it gives exactly the entries of the full square.
#pragma once

#include <cstdint>
#include <vector>

namespace tarvelo {

class ContactMatrix {
  public:
    // Indices 0..upperBound in both dimensions, every entry false.
    void Resize(std::int32_t upperBound);

    std::int32_t UpperBound() const { return upperBound_; }

    bool InBounds(std::int32_t index) const { return index >= 0 && index <= upperBound_; }

    bool operator()(std::int32_t support, std::int32_t resting) const {
        return InBounds(support) && InBounds(resting) && support != kNone &&
               supportOf_[static_cast<std::size_t>(resting)] == support;
    }

    // The object that `resting` rests on, or 0 when none.
    std::int32_t SupportOf(std::int32_t resting) const {
        return InBounds(resting) ? supportOf_[static_cast<std::size_t>(resting)] : kNone;
    }

    // Sets topContact(support, resting); a column that already holds an entry is left as it is.
    // Setting the entries with `resting` ascending keeps each list of carried objects in table
    // order.
    void Set(std::int32_t support, std::int32_t resting);

    // The objects resting directly on `support`, in the order they were set.
    const std::vector<std::int32_t>& Carried(std::int32_t support) const;

  private:
    static constexpr std::int32_t kNone = 0; // row and column 0 never hold an entry
    std::int32_t upperBound_ = -1;
    std::vector<std::int32_t> supportOf_;
    std::vector<std::vector<std::int32_t>> carried_;
    std::vector<std::int32_t> empty_;
};

} // namespace tarvelo

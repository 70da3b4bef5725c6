// Counts the changes a part of the window's state makes to its own data, so that "nothing
// changed" can be told without listing what the part holds.
#pragma once

#include <cstdint>

namespace tarvelo {

// A part keeps its data private and changes it only in its own operations, each of which goes
// through Set or calls NoteChange: a field added later is counted as soon as it is written.
class ChangeCounter {
  public:
    ChangeCounter() = default;
    // A copy keeps the count, as a record of the part as it stood.
    ChangeCounter(const ChangeCounter&) = default;
    // A part given another's whole state has changed, whatever the other's count: its own count
    // goes on, so that "equal counts" never hides a restored state.
    ChangeCounter& operator=(const ChangeCounter& /*other*/) {
        ++changes_;
        return *this;
    }
    ~ChangeCounter() = default;

    // Grows with every change; equal counts before and after mean nothing changed.
    std::uint64_t Changes() const { return changes_; }

  protected:
    void NoteChange() { ++changes_; }
    // Writes `value` into `field`, counting a change only when it differs.
    template <typename T, typename U> void Set(T& field, const U& value) {
        if (!(field == value)) {
            field = value;
            ++changes_;
        }
    }

  private:
    std::uint64_t changes_ = 0;
};

} // namespace tarvelo

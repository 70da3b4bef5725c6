// What the operations that keep boxes apart share: the rows in which one box touches another,
// and the overlap grid built for the length of one operation.
#pragma once

#include "core/world/Scene.h"

namespace tarvelo {

// A piece touches what lies under it when its bottom edge is on the other's top edge or up to
// one pixel above it: these two rows above a box.
inline constexpr double kTouchRows = 2;

// Builds the overlap grid for the length of one operation, unless it is kept already, and when
// the scene uses it at all.
class OverlapIndexScope {
  public:
    explicit OverlapIndexScope(Scene& scene) : scene_(scene) {
        owner_ = scene_.useOverlapIndex_ && !scene_.overlapIndex_.Active();
        if (owner_) {
            scene_.overlapIndex_.Build(scene_.objects_, scene_.objCount_);
        }
    }
    // Builds the grid again over where the objects now are, when many moves have gone beyond the
    // area it was built over.
    void RebuildIfOutgrown() {
        if (scene_.overlapIndex_.Active() && scene_.overlapIndex_.Outgrown()) {
            scene_.overlapIndex_.Build(scene_.objects_, scene_.objCount_);
        }
    }
    ~OverlapIndexScope() {
        if (owner_) {
            scene_.overlapIndex_.Clear();
        }
    }
    OverlapIndexScope(const OverlapIndexScope&) = delete;
    OverlapIndexScope& operator=(const OverlapIndexScope&) = delete;

  private:
    Scene& scene_;
    bool owner_ = false;
};

} // namespace tarvelo

// What the scene shows: the list of pictures to paint, in table order, and a revision number
// that grows whenever that list changes.
#pragma once

#include "core/world/Scene.h"

#include <cstdint>
#include <vector>

namespace tarvelo {

// One picture painted by the scene drawing: which picture, where its top-left corner goes.
struct DrawItem {
    std::int32_t picture = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const DrawItem&) const = default;
};

class SceneDrawing {
  public:
    const std::vector<DrawItem>& drawList() const { return drawList_; }
    // Grows whenever a redraw paints something different from the one before.
    std::uint64_t sceneRevision() const { return sceneRevision_; }
    std::uint64_t Changes() const { return sceneRevision_; }

    // Draws the scene again; the solution shows each unknown as the cube of its value.
    void RefreshObjects(const Scene& scene, bool showSolution);
    // The picture an object is drawn with, or -1 for none.
    static std::int32_t PictureIndexFor(const SceneObject& o, const Scene& scene,
                                        bool showSolution);

  private:
    std::vector<DrawItem> drawList_;
    std::vector<DrawItem> nextDrawList_;
    std::uint64_t sceneRevision_ = 0;
};

} // namespace tarvelo

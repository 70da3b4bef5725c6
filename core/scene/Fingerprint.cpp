// A fingerprint of everything a tick can change, to tell a scene at rest from a moving one.
#include "core/scene/Model.h"

#include <cstring>

namespace tarvelo {

namespace {

// FNV-1a over whole fields rather than bytes, with a shift to spread the high bits: the
// fingerprint is taken after every tick, over every object.
class Hasher {
  public:
    template <typename T> void Add(const T& value) {
        static_assert(sizeof(T) <= sizeof(std::uint64_t));
        std::uint64_t word = 0;
        std::memcpy(&word, &value, sizeof(T));
        hash_ = (hash_ ^ word) * kPrime;
        hash_ ^= hash_ >> kSpread;
    }
    void Add(const std::string& text) {
        Add(text.size());
        for (char c : text) {
            Add(c);
        }
    }
    void Add(const ControlBox& box) {
        Add(box.Left);
        Add(box.Top);
        Add(box.Width);
        Add(box.Height);
        Add(box.Visible);
        Add(box.Picture);
    }
    std::uint64_t Value() const { return hash_; }

  private:
    static constexpr std::uint64_t kPrime = 1099511628211ull;
    static constexpr int kSpread = 29;
    std::uint64_t hash_ = 14695981039346656037ull;
};

} // namespace

std::uint64_t Model::Fingerprint() const {
    Hasher h;
    h.Add(objCount);
    for (std::int32_t i = 1; i <= objCount; ++i) {
        const SceneObject& o = obj(i);
        h.Add(o.objX);
        h.Add(o.objY);
        h.Add(o.objKind);
        h.Add(o.objMass);
        h.Add(o.objLoad);
        h.Add(o.objVX);
        h.Add(o.objVY);
        h.Add(o.objAX);
        h.Add(o.objAY);
        h.Add(o.objFixed);
        h.Add(o.objPan);
        h.Add(topContact.SupportOf(i));
    }
    h.Add(xValue);
    h.Add(yValue);
    h.Add(leftPanLoad);
    h.Add(rightPanLoad);
    for (const Terms* t : {&sideTerms, &leftTerms, &rightTerms}) {
        for (std::int32_t v : *t) {
            h.Add(v);
        }
    }
    h.Add(showSolution);
    h.Add(programMode);
    h.Add(selectedObj);
    h.Add(draggingObj);
    h.Add(pointerX);
    h.Add(pointerY);
    h.Add(grabX);
    h.Add(grabY);
    h.Add(dragKind);
    h.Add(Caption);
    h.Add(lblComparison.Caption);
    h.Add(lblEquazione.Caption);
    h.Add(selObj);
    h.Add(lblMassa);
    h.Add(dragImg);
    h.Add(dragImgInt);
    h.Add(sceneRevision);
    return h.Value();
}

} // namespace tarvelo

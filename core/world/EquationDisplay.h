// What the balance says in words: the comparison sign between the pans and the equation line
// under the scene, such as "2X + 5 = Y + 9".
#pragma once

#include "core/base/ChangeCounter.h"
#include "core/base/ControlValues.h"
#include "core/world/Scene.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tarvelo {

class EquationDisplay : public ChangeCounter {
  public:
    EquationDisplay();

    const LabelState& lblComparison() const { return lblComparison_; }
    const LabelState& lblEquazione() const { return lblEquazione_; }

    // The sign centred across the scene at the pans' level line.
    void PlaceSign(const SurfaceScale& pictDraw, std::int32_t level);
    // The sign for a balance whose pans stand `target` pixels apart at rest.
    void ShowSign(std::int32_t target);
    // The line: each side's terms with the sign between them.
    void UpdateEquazione(const Terms& leftTerms, const Terms& rightTerms);
    static std::string SideText(const Terms& t);
    // The side with X weighing `x` and Y weighing `y` written as numbers: "2 × 3 + 1" for
    // 2X + 1 with X = 3. Without `y`, Y stays a letter.
    static std::string ValuedSideText(const Terms& t, std::int32_t x,
                                      std::optional<std::int32_t> y);

  private:
    LabelState lblComparison_;
    LabelState lblEquazione_;
};

} // namespace tarvelo

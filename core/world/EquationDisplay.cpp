// The comparison sign and the equation line under the scene.
#include "core/world/EquationDisplay.h"

#include "core/base/Layout.h"

namespace tarvelo {

namespace {

// How an unknown is written in a side: its letter after its count ("2X"), or its value after
// its count and a times sign ("2 × 3").
struct Written {
    std::string word;
    const char* times = "";
};

Written Letter(const char* letter) {
    return {letter, ""};
}

Written Value(std::int32_t value) {
    return {std::to_string(value), " \u00d7 "};
}

void AppendTerm(std::string& s, std::int32_t count, const Written& unknown) {
    if (!s.empty()) {
        s += " + ";
    }
    if (count > 1) {
        s += std::to_string(count) + unknown.times;
    }
    s += unknown.word;
}

std::string WriteSide(const Terms& t, const Written& x, const Written& y) {
    std::string s;
    if (t.x > 0) {
        AppendTerm(s, t.x, x);
    }
    if (t.y > 0) {
        AppendTerm(s, t.y, y);
    }
    if (t.constant > 0) {
        if (!s.empty()) {
            s += " + ";
        }
        s += std::to_string(t.constant);
    }
    if (s.empty()) {
        s = "0";
    }
    return s;
}

} // namespace

EquationDisplay::EquationDisplay() {
    lblComparison_.Caption = "=";
    lblComparison_.Left = static_cast<float>(layout::kLblComparison.left);
    lblComparison_.Top = static_cast<float>(layout::kLblComparison.top);
    lblComparison_.Width = layout::kLblComparison.width;
}

void EquationDisplay::PlaceSign(const SurfaceScale& pictDraw, std::int32_t level) {
    Set(lblComparison_.Top, static_cast<float>(level));
    Set(lblComparison_.Left, static_cast<float>(pictDraw.ScaleLeft) +
                                 static_cast<float>(pictDraw.ScaleWidth) / 2.0f -
                                 static_cast<float>(lblComparison_.Width) / 2.0f);
}

void EquationDisplay::ShowSign(std::int32_t target) {
    // The sign follows the target at once; the pans take their time.
    Set(lblComparison_.Caption, target > 0 ? ">" : (target < 0 ? "<" : "="));
}

std::string EquationDisplay::SideText(const Terms& t) {
    return WriteSide(t, Letter("X"), Letter("Y"));
}

std::string EquationDisplay::ValuedSideText(const Terms& t, std::int32_t x,
                                            std::optional<std::int32_t> y) {
    return WriteSide(t, Value(x), y ? Value(*y) : Letter("Y"));
}

void EquationDisplay::UpdateEquazione(const Terms& leftTerms, const Terms& rightTerms) {
    Set(lblEquazione_.Caption,
        SideText(leftTerms) + " " + lblComparison_.Caption + " " + SideText(rightTerms));
}

} // namespace tarvelo

// The comparison sign and the equation line under the scene.
#include "core/world/EquationDisplay.h"

#include "core/base/Layout.h"

namespace tarvelo {

namespace {

void AppendTerm(std::string& s, std::int32_t count, const char* letter) {
    if (!s.empty()) {
        s += " + ";
    }
    if (count > 1) {
        s += std::to_string(count);
    }
    s += letter;
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
    std::string s;
    if (t.x > 0) {
        AppendTerm(s, t.x, "X");
    }
    if (t.y > 0) {
        AppendTerm(s, t.y, "Y");
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

void EquationDisplay::UpdateEquazione(const Terms& leftTerms, const Terms& rightTerms) {
    Set(lblEquazione_.Caption,
        SideText(leftTerms) + " " + lblComparison_.Caption + " " + SideText(rightTerms));
}

} // namespace tarvelo

// The equation line under the scene, such as "2X + 5 = Y + 9".
#include "core/scene/Model.h"

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

std::string Model::SideText(const Terms& t) {
    std::string s;
    if (t[kXTerm] > 0) {
        AppendTerm(s, t[kXTerm], "X");
    }
    if (t[kYTerm] > 0) {
        AppendTerm(s, t[kYTerm], "Y");
    }
    if (t[kConstantTerm] > 0) {
        if (!s.empty()) {
            s += " + ";
        }
        s += std::to_string(t[kConstantTerm]);
    }
    if (s.empty()) {
        s = "0";
    }
    return s;
}

void Model::UpdateEquazione() {
    lblEquazione.Caption =
        SideText(leftTerms) + " " + lblComparison.Caption + " " + SideText(rightTerms);
}

} // namespace tarvelo

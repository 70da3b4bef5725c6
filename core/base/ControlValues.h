// The properties of the window's controls as plain values: the window copies them onto its
// widgets after each event.
#pragma once

#include <cstdint>
#include <string>

namespace tarvelo {

// A picture box or shape: position in its container's pixels, size, visibility.
struct ControlBox {
    float Left = 0;
    float Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool Visible = false;
    std::int32_t Picture = -1; // for picture boxes: the picture shown, -1 for none
    bool operator==(const ControlBox&) const = default;
};

struct LabelState {
    std::string Caption;
    float Left = 0;
    float Top = 0;
    std::int32_t Width = 0;
    bool operator==(const LabelState&) const = default;
};

struct ButtonState {
    std::string Caption;
    bool Enabled = true;
    bool Visible = true;
    bool operator==(const ButtonState&) const = default;
};

} // namespace tarvelo

// Text colours that go with the program's fixed background colours.
#include "ui/window/FixedColours.h"

#include <QColor>
#include <QPalette>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace tarvelo {

namespace {

// The relative luminance of the web's accessibility guidelines: each channel made linear from
// sRGB, then weighed as the eye weighs it.
double Luminance(const QColor& colour) {
    const auto linear = [](double channel) {
        constexpr double kKnee = 0.04045;
        constexpr double kSlope = 12.92;
        constexpr double kOffset = 0.055;
        constexpr double kGamma = 2.4;
        return channel <= kKnee ? channel / kSlope
                                : std::pow((channel + kOffset) / (1 + kOffset), kGamma);
    };
    constexpr double kRed = 0.2126;
    constexpr double kGreen = 0.7152;
    constexpr double kBlue = 0.0722;
    return kRed * linear(colour.redF()) + kGreen * linear(colour.greenF()) +
           kBlue * linear(colour.blueF());
}

// Dark enough to be read on a light background, and the link colour of the usual light themes.
const QColor kLinkOnLight(0x00, 0x00, 0xAA);
const QColor kLinkOnDark(0xAA, 0xCC, 0xFF);

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    constexpr double kFlare = 0.05;
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

void FillReadably(QWidget* widget, const QColor& background) {
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const bool light = ContrastRatio(background, black) >= ContrastRatio(background, white);
    const QColor text = light ? black : white;
    QPalette palette = widget->palette();
    // Every colour group: a window shown inactive must read as well as an active one.
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Link, light ? kLinkOnLight : kLinkOnDark);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace tarvelo

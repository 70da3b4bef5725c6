// The window under a dark desktop theme, offscreen: every text on the program's own fixed
// backgrounds (the white window, the green equation line, the blue "i", the information
// window's lavender) and in the moves panel keeps a readable contrast.
#include "WindowFixture.h"
#include "ui/window/FixedColours.h"
#include "ui/window/FrmInfo.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPalette>
#include <QStyleFactory>
#include <map>

using tarvelo::ContrastRatio;
using tarvelo::FrmInfo;
using tarvelo::test::ClockedWindow;

namespace {

// The least contrast text needs (the web's accessibility guidelines, level AA).
constexpr double kReadable = 4.5;

// A dark theme as a desktop hands it to Qt: light text on dark grounds.
QPalette DarkPalette() {
    QPalette dark;
    const QColor ground(0x24, 0x24, 0x24);
    const QColor light(0xEE, 0xEE, 0xEE);
    dark.setColor(QPalette::Window, ground);
    dark.setColor(QPalette::WindowText, light);
    dark.setColor(QPalette::Base, QColor(0x1E, 0x1E, 0x1E));
    dark.setColor(QPalette::AlternateBase, ground);
    dark.setColor(QPalette::Text, light);
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::ButtonText, light);
    dark.setColor(QPalette::ToolTipBase, ground);
    dark.setColor(QPalette::ToolTipText, light);
    dark.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

// The contrast of what a widget shows in `shot` (the top-level's picture, where `widget` lies
// at `box`): its commonest colour is the ground, and the colour furthest from it the text's.
double ContrastIn(const QImage& shot, const QRect& box) {
    std::map<QRgb, int> counts;
    const QRect area = box & shot.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            ++counts[shot.pixel(x, y) & 0xFFFFFF];
        }
    }
    if (counts.empty()) {
        return 0;
    }
    QRgb ground = counts.begin()->first;
    for (const auto& [colour, count] : counts) {
        if (count > counts[ground]) {
            ground = colour;
        }
    }
    double most = 1;
    for (const auto& entry : counts) {
        most = std::max(most, ContrastRatio(QColor(ground), QColor(entry.first)));
    }
    return most;
}

// Every visible label and switch with a text, in `top`, read in its picture.
void ExpectEveryTextReadable(QWidget& top) {
    const QImage shot = top.grab().toImage();
    int read = 0;
    const auto check = [&](QWidget* widget, const QString& text) {
        if (!widget->isVisible() || text.trimmed().isEmpty() || widget->visibleRegion().isEmpty()) {
            return;
        }
        const QRect box(widget->mapTo(&top, QPoint()), widget->size());
        const double contrast = ContrastIn(shot, box);
        QVERIFY2(contrast >= kReadable, qPrintable(QStringLiteral("%1 \"%2\": contrast %3")
                                                       .arg(widget->objectName(), text)
                                                       .arg(contrast)));
        ++read;
    };
    for (QLabel* label : top.findChildren<QLabel*>()) {
        check(label, label->text());
    }
    for (QCheckBox* box : top.findChildren<QCheckBox*>()) {
        check(box, box->text());
    }
    QVERIFY(read > 0);
}

} // namespace

class ThemeWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void theMainWindowReads();
    void theMovesPanelReads();
    void theInformationWindowReads();
};

void ThemeWindowTest::initTestCase() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(DarkPalette());
}

void ThemeWindowTest::theMainWindowReads() {
    ClockedWindow w;
    w.RunMs(1000);
    ExpectEveryTextReadable(w.window);
}

void ThemeWindowTest::theMovesPanelReads() {
    ClockedWindow w;
    w.window.SetMovesPanelOpen(true);
    w.RunMs(1000);
    ExpectEveryTextReadable(w.window);
}

void ThemeWindowTest::theInformationWindowReads() {
    ClockedWindow w;
    FrmInfo info(&w.window);
    info.show();
    QVERIFY(QTest::qWaitForWindowExposed(&info));
    ExpectEveryTextReadable(info);
}

QTEST_MAIN(ThemeWindowTest)
#include "ThemeWindowTest.moc"

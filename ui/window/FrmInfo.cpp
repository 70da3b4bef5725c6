#include "ui/window/FrmInfo.h"

#include "core/scene/Layout.h"

#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace tarvelo {

namespace {

using layout::FromTwips;

constexpr int kClientWidth = layout::Px(4695);
constexpr int kClientHeight = layout::Px(2445);
constexpr int kIconPixels = 32;
const QColor kBackground(0xC0, 0xC0, 0xFF);
const QColor kGreyLine(0x80, 0x80, 0x80);
constexpr int kLineWidth = 3;

// The two separators: from x1 to x2 at height y, in twips.
struct Separator {
    int x1, x2, y;
    QColor colour;
};
const Separator kSeparators[] = {
    {180, 4560, 1050, kGreyLine},
    {150, 4530, 1020, Qt::black},
};

QFont InfoFont(int pixels, bool bold = false) {
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Point sizes at 96 dots per inch.
constexpr int kTextPixels = 11;    // 8.25 pt
constexpr int kTaglinePixels = 16; // 12 pt
constexpr int kTitlePixels = 32;   // 24 pt

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, layout::Rect r,
                 const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment);
    label->setGeometry(r.left, r.top, r.width, r.height);
    return label;
}

} // namespace

FrmInfo::FrmInfo(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmInfo"));
    setWindowTitle(tr("Tarvelo"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    const layout::Rect imageBox = FromTwips(390, 180, 480, 480);
    image->setGeometry(imageBox.left, imageBox.top, imageBox.width, imageBox.height);
    image->setPixmap(QIcon(QStringLiteral(":/pictures/tarvelo.svg"))
                         .pixmap(QSize(kIconPixels, kIconPixels), devicePixelRatioF()));

    AddLabel(this, "Label1", tr("Tarvelo"), FromTwips(930, 240, 3465, 645), InfoFont(kTitlePixels));
    AddLabel(this, "Label6", tr("E d u c a t i o n a l   t o o l s"), FromTwips(690, 0, 3945, 375),
             InfoFont(kTaglinePixels));
    AddLabel(this, "Label2", tr("Programming:"), FromTwips(150, 1170, 1965, 375),
             InfoFont(kTextPixels));
    AddLabel(this, "Label3", tr("The Tarvelo team"), FromTwips(2550, 1200, 1965, 375),
             InfoFont(kTextPixels, true));
    AddLabel(this, "Label4", tr("From an idea of:"), FromTwips(180, 1500, 1965, 375),
             InfoFont(kTextPixels));
    AddLabel(this, "Label5", tr("The Tarvelo team"), FromTwips(2550, 1500, 1965, 375),
             InfoFont(kTextPixels, true));
    AddLabel(this, "Label7", tr("Ver. 0.5 - 25 Dec 2007"), FromTwips(1230, 720, 2895, 255),
             InfoFont(kTextPixels), Qt::AlignHCenter | Qt::AlignTop);

    auto* close = new QPushButton(tr("Close me"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setFont(InfoFont(kTextPixels));
    const layout::Rect closeBox = FromTwips(1590, 1980, 1395, 375);
    close->setGeometry(closeBox.left, closeBox.top, closeBox.width, closeBox.height);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

void FrmInfo::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    for (const Separator& line : kSeparators) {
        painter.setPen(QPen(line.colour, kLineWidth));
        const int y = layout::Px(line.y);
        painter.drawLine(layout::Px(line.x1), y, layout::Px(line.x2), y);
    }
}

} // namespace tarvelo

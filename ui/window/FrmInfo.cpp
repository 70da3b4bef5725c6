#include "ui/window/FrmInfo.h"

#include "core/base/Layout.h"
#include "ui/window/FixedColours.h"
#include "ui/window/VersionText.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <algorithm>
#include <iterator>

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

// The keys, each with what it does: everything can be done without the pointer.
struct KeyLine {
    const char* keys;
    const char* does;
};
const KeyLine kKeyLines[] = {
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Tab"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "palette, scene, equation, buttons, this information")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Left, Right, Home, End"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "choose a piece in the palette")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Enter, Space"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "pick up a piece; drop it or put it down")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Arrows"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo",
                       "move what you carry (with Shift: a little); in the scene, go from piece "
                       "to piece")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Page Up, Page Down"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "over the left pan, over the right pan")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Escape"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "put back what you carry")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Delete"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "remove the piece in the scene")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "F2"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "the value of X or Y")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl+N, Ctrl+O, Ctrl+S"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "New, Load, Save")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl+R, Ctrl+L"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Restart, Show solution")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl+Z"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "undo what you did last")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl+Shift+Z, Ctrl+Y"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "redo it")},
    // Two keys to a line: the list fits the window without a scroll bar.
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl+B, Ctrl+E"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "balance again; equation aloud")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl+Shift+B, Ctrl+Shift+M"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "each pan's load; sound on, off")},
    // Three keys on one line, said short: the list fits the window without a scroll bar.
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl+M, Ctrl+G, Ctrl+Shift+L"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "moves, challenges, lessons")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "Ctrl++, Ctrl+-, Ctrl+0"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "make the window larger, smaller, its own size")},
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "F11"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo",
                       "full screen, as large as the screen allows; again: back")},
    // The keys that close Tarvelo share the last line: the list fits without a scroll bar.
    {QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "F1; Ctrl+Q, Ctrl+W"),
     QT_TRANSLATE_NOOP("tarvelo::FrmInfo", "this information; close Tarvelo")},
};
constexpr int kKeysMargin = 10; // pixels around the list of keys
// The lowest the window reaches in its owner: just above the equation line.
constexpr int kHighestBottom = layout::kLblEquazione.top - kKeysMargin;

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
    FillReadably(this, kBackground);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    const layout::Rect imageBox = FromTwips(390, 180, 480, 480);
    image->setGeometry(imageBox.left, imageBox.top, imageBox.width, imageBox.height);
    image->setPixmap(QIcon(QStringLiteral(":/pictures/tarvelo.svg"))
                         .pixmap(QSize(kIconPixels, kIconPixels), devicePixelRatioF()));

    AddLabel(this, "Label1", tr("Tarvelo"), FromTwips(930, 240, 3465, 645), InfoFont(kTitlePixels));
    QLabel* tagline = AddLabel(this, "Label6", tr("E d u c a t i o n a l   t o o l s"),
                               FromTwips(690, 0, 3945, 375), InfoFont(kTaglinePixels));
    // Spaced out to be seen, said as words.
    tagline->setAccessibleName(tr("Educational tools"));
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

    AddKeyList();
}

void FrmInfo::AddKeyList() {
    // Below the credits, each key with what it does, as tall as the lines need in the user's
    // language.
    auto* list = new QWidget(this);
    list->setObjectName(QStringLiteral("keyList"));
    auto* grid = new QGridLayout(list);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(kKeysMargin);
    grid->setVerticalSpacing(0);
    for (int row = 0; row < static_cast<int>(std::size(kKeyLines)); ++row) {
        // One label per line, keys and what they do together: a screen reader reads a dialog's
        // labels one by one, and keys apart from their meaning were passed over.
        const QString keys = tr(kKeyLines[row].keys);
        const QString does = tr(kKeyLines[row].does);
        auto* line = new QLabel(
            tr("<b>%1</b>&nbsp;&nbsp; %2").arg(keys.toHtmlEscaped(), does.toHtmlEscaped()), list);
        line->setTextFormat(Qt::RichText);
        line->setFont(InfoFont(kTextPixels));
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        line->setAccessibleName(tr("%1: %2").arg(keys, does));
        grid->addWidget(line, row, 0);
    }
    // Last, the version and the licence, as --version says them.
    auto* licence = new QLabel(
        VersionText().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")), list);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setTextFormat(Qt::RichText);
    licence->setFont(InfoFont(kTextPixels));
    licence->setWordWrap(true);
    licence->setAccessibleName(VersionText());
    grid->addWidget(licence, static_cast<int>(std::size(kKeyLines)), 0);
    grid->setColumnStretch(0, 1);
    const int width = kClientWidth - 2 * kKeysMargin;
    const int height = grid->totalHeightForWidth(width);
    list->setFixedSize(width, height);
    // The window ends above the owner's equation line, which stays in sight: a list longer
    // than the room left scrolls.
    auto* room = new QScrollArea(this);
    room->setObjectName(QStringLiteral("keyRoom"));
    room->setFrameShape(QFrame::NoFrame);
    room->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    room->setBackgroundRole(QPalette::Window);
    room->setWidget(list);
    const int roomHeight = std::min(height, kHighestBottom - kClientHeight - kKeysMargin);
    const int scrollBar =
        roomHeight < height ? room->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    room->setGeometry(kKeysMargin, kClientHeight, width + scrollBar, roomHeight);
    setFixedSize(kClientWidth + scrollBar, kClientHeight + roomHeight + kKeysMargin);
}

void FrmInfo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // At the top of the owner, centred across it, rather than over its middle.
    if (QWidget* owner = parentWidget()) {
        move(owner->mapToGlobal(QPoint((owner->width() - width()) / 2, 0)));
    }
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

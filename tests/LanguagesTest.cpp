// The program in the user's language: the window, a refused file and Qt's own buttons in Italian,
// no translator for English or a language the program does not speak, and in every language
// each caption fits the place the window gives it.
#include "WindowFixture.h"
#include "ui/window/ChallengeSession.h"
#include "ui/window/ChallengeTexts.h"
#include "ui/window/FileDialogs.h"
#include "ui/window/FrmInfo.h"
#include "ui/window/Translations.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeView>

using tarvelo::test::CatchMessage;
using tarvelo::test::StartedWindow;

namespace {

struct Caption {
    const char* widget;
    const char* text;
};

// The main window as an Italian child sees it at the start.
constexpr Caption kItalianCaptions[] = {
    {"Command1", "Mostra soluzione"},
    {"Command2", "Nuovo"},
    {"Command3", "Carica"},
    {"Command4", "Salva"},
    {"Command5", "Ricomincia"},
    {"Label1", "Trascina dentro..."},
    {"Label2", "Clic sinistro e trascina: sposti i pezzi"},
    {"Label3", "Trascina giù per togliere..."},
};

QString TextOf(QWidget* widget) {
    if (const auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
        return button->text();
    }
    return {};
}

// Why `widget`'s text does not fit its place; empty when it does.
QString Overflow(QWidget* widget) {
    const QString text = TextOf(widget);
    const QString named = QStringLiteral("%1 \"%2\"").arg(widget->objectName(), text);
    if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int needed = button->fontMetrics().horizontalAdvance(text) + 2 * margin;
        return needed <= button->width() ? QString()
                                         : QStringLiteral("%1 needs %2 pixels, has %3")
                                               .arg(named)
                                               .arg(needed)
                                               .arg(button->width());
    }
    const auto* label = qobject_cast<QLabel*>(widget);
    if (label == nullptr || text.isEmpty()) {
        return {};
    }
    // A label that wraps its words grows downwards; one that does not, sideways.
    const QSize needed = label->wordWrap()
                             ? QSize(label->width(), label->heightForWidth(label->width()))
                             : label->sizeHint();
    if (needed.width() <= label->width() && needed.height() <= label->height()) {
        return {};
    }
    return QStringLiteral("%1 needs %2x%3 pixels, has %4x%5")
        .arg(named)
        .arg(needed.width())
        .arg(needed.height())
        .arg(label->width())
        .arg(label->height());
}

// Where a label's text is drawn, in its window's coordinates.
QRect TextArea(const QLabel* label) {
    const int flags =
        static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect drawn =
        label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text());
    return QRect(label->mapTo(label->window(), drawn.topLeft()), drawn.size());
}

// The labels whose text runs under, or up to, the "i" that stands over the window's corner: a
// letter touching it reads as part of it.
QStringList UnderTheInfoButton(QWidget* window) {
    constexpr int kClearance = 3; // pixels between the text and the "i"
    QStringList touching;
    const auto* info = window->findChild<QWidget*>(QStringLiteral("lblInfo"));
    if (info == nullptr) {
        return touching;
    }
    const QRect infoArea = QRect(info->mapTo(window, QPoint()), info->size())
                               .adjusted(-kClearance, -kClearance, kClearance, kClearance);
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label != info && label->isVisibleTo(window) && !label->text().isEmpty() &&
            TextArea(label).intersects(infoArea)) {
            touching << QStringLiteral("%1 \"%2\" runs up to the \"i\"")
                            .arg(label->objectName(), label->text());
        }
    }
    return touching;
}

QStringList OverflowsIn(QWidget* window) {
    QStringList overflows = UnderTheInfoButton(window);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisibleTo(window) || qobject_cast<QAbstractButton*>(widget)) {
            const QString overflow = Overflow(widget);
            if (!overflow.isEmpty()) {
                overflows.append(overflow);
            }
        }
    }
    return overflows;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup();
    void italianWindowAndMessages();
    void noTranslatorForEnglishOrALanguageNotSpoken_data();
    void noTranslatorForEnglishOrALanguageNotSpoken();
    void everyCaptionFitsItsPlace_data();
    void everyCaptionFitsItsPlace();
    void theFileDialogSpeaksTheLanguageAndShowsItsColumnTitles_data();
    void theFileDialogSpeaksTheLanguageAndShowsItsColumnTitles();

  private:
    QList<QTranslator*> installed_;
};

void LanguagesTest::cleanup() {
    qDeleteAll(installed_); // uninstalls them
    installed_.clear();
}

void LanguagesTest::italianWindowAndMessages() {
    installed_ = tarvelo::InstallTranslations(QLocale(QLocale::Italian, QLocale::Italy));
    QVERIFY(!installed_.isEmpty());
    StartedWindow w;
    for (const Caption& caption : kItalianCaptions) {
        QWidget* widget = w.child<QWidget>(caption.widget);
        QVERIFY2(widget, caption.widget);
        QCOMPARE(TextOf(widget), QString::fromUtf8(caption.text));
    }

    // A refused file, as the box says it.
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("breve.trv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# Tarvelo file - 10:00:00 - 01/02/2026\r\n722\r\n237\r\n");
    file.close();
    QString said;
    CatchMessage(&said);
    QVERIFY(!w.window.OpenProblem(path));
    QCOMPARE(said, QStringLiteral("Il file del problema \u201c%1\u201d è incompleto: finisce prima "
                                  "della riga 4.")
                       .arg(path));

    // Qt's own texts come with the program's.
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
}

void LanguagesTest::noTranslatorForEnglishOrALanguageNotSpoken_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English, United States") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("English, United Kingdom") << QLocale(QLocale::English, QLocale::UnitedKingdom);
    QTest::newRow("the C locale") << QLocale::c();
    QTest::newRow("Portuguese") << QLocale(QLocale::Portuguese, QLocale::Brazil);
}

void LanguagesTest::noTranslatorForEnglishOrALanguageNotSpoken() {
    QFETCH(QLocale, locale);
    installed_ = tarvelo::InstallTranslations(locale);
    QVERIFY(installed_.isEmpty());
    StartedWindow w;
    QCOMPARE(w.child<QPushButton>("Command1")->text(), QStringLiteral("Show solution"));
}

void LanguagesTest::everyCaptionFitsItsPlace_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::newRow("English") << QLocale(QLocale::English, QLocale::UnitedStates);
    QTest::newRow("Italian") << QLocale(QLocale::Italian, QLocale::Italy);
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany);
    QTest::newRow("French") << QLocale(QLocale::French, QLocale::France);
    QTest::newRow("Spanish") << QLocale(QLocale::Spanish, QLocale::Spain);
}

void LanguagesTest::everyCaptionFitsItsPlace() {
    QFETCH(QLocale, locale);
    installed_ = tarvelo::InstallTranslations(locale);
    StartedWindow w;
    QStringList overflows = OverflowsIn(&w.window);
    w.window.ToggleSolution(); // the solution shown: the button's caption changes
    overflows += OverflowsIn(&w.window);
    w.window.SetMovesPanelOpen(true); // the moves panel under the scene, laid out
    QCoreApplication::processEvents();
    overflows += OverflowsIn(&w.window);
    // The panel shows every control at once, its longest praise too: it never scrolls.
    tarvelo::ChallengeWin win;
    win.answer = {tarvelo::PieceKind::kX, 3};
    win.movesMade = 5;
    win.fewestMoves = 3;
    win.levelWon = 1;
    auto* panel = w.window.findChild<tarvelo::MovesPanel*>();
    panel->ShowTask({tarvelo::ChallengeTitle(1), tarvelo::ChallengeGoal(3), tarvelo::StarsShown(1),
                     tarvelo::PraiseSentence(win), tarvelo::NextChallengeCaption()});
    QCoreApplication::processEvents();
    overflows += OverflowsIn(&w.window);
    const auto* scroll = panel->findChild<QScrollArea*>(QStringLiteral("movesScroll"));
    if (scroll->verticalScrollBar()->isVisible() || scroll->horizontalScrollBar()->isVisible()) {
        overflows << QStringLiteral("the moves panel needs its scroll bars");
    }
    tarvelo::FrmInfo info(&w.window);
    info.show();
    overflows += OverflowsIn(&info);
    // The information window leaves the equation line in sight: it is no taller than the room
    // above the line, and stands there.
    const auto* equation = w.child<QWidget>("lblEquazione");
    const int equationTop = equation->mapToGlobal(QPoint()).y();
    if (info.height() >= equation->mapTo(&w.window, QPoint()).y() ||
        info.frameGeometry().bottom() >= equationTop) {
        overflows << QStringLiteral("the information window reaches down to %1, over the equation "
                                    "line at %2")
                         .arg(info.frameGeometry().bottom())
                         .arg(equationTop);
    }
    overflows.removeDuplicates();
    QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QLatin1Char('\n'))));
}

void LanguagesTest::theFileDialogSpeaksTheLanguageAndShowsItsColumnTitles_data() {
    everyCaptionFitsItsPlace_data();
}

// Qt's own file dialog, in the language and with its column titles whole.
void LanguagesTest::theFileDialogSpeaksTheLanguageAndShowsItsColumnTitles() {
    QFETCH(QLocale, locale);
    installed_ = tarvelo::InstallTranslations(locale);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Aufgaben")));
    StartedWindow w;
    QString folderType;
    QStringList cut;
    tarvelo::test::AnswerNextDialog([&](QWidget* d) {
        auto* dialog = qobject_cast<QFileDialog*>(d);
        QVERIFY(dialog);
        dialog->setViewMode(QFileDialog::Detail);
        auto* model = dialog->findChild<QFileSystemModel*>();
        QVERIFY(model);
        QTRY_VERIFY(model->index(folder.filePath(QStringLiteral("Aufgaben"))).isValid());
        folderType = model->type(model->index(folder.filePath(QStringLiteral("Aufgaben"))));
        auto* tree = dialog->findChild<QTreeView*>();
        QVERIFY(tree);
        QHeaderView* header = tree->header();
        for (int section = 0; section < header->count(); ++section) {
            const QString title = model->headerData(section, Qt::Horizontal).toString();
            if (!header->isSectionHidden(section) &&
                header->sectionSize(section) < header->fontMetrics().horizontalAdvance(title)) {
                cut << title;
            }
        }
        dialog->reject();
    });
    tarvelo::ShowFileDialog(&w.window, tarvelo::FileDialogMode::Open, QStringLiteral("Laden"),
                            QStringLiteral("x.trv"), QStringLiteral("Tarvelo (*.trv)"),
                            folder.path(), QStringLiteral("trv"));
    if (locale.language() != QLocale::English) {
        QVERIFY2(folderType != QStringLiteral("Folder"), qPrintable(folderType));
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String(", "))));
}

QTEST_MAIN(LanguagesTest)
#include "LanguagesTest.moc"

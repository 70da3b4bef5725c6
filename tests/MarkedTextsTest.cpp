// Every text the windows and the messages show reaches a translation. Under a translator that
// gives each text the program's translation knows back in its own words between the marks ⟦ and
// ⟧, no word may show outside the marks: such a word was never marked, or never extracted.
#include "WindowFixture.h"
#include "ui/instance/InstanceMessages.h"
#include "ui/window/FrmInfo.h"
#include "ui/window/ProblemMessages.h"

#include <QAbstractButton>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <algorithm>
#include <cerrno>
#include <memory>

using tarvelo::test::StartedWindow;

namespace {

const QString kOpen = QStringLiteral("\u27e6");
const QString kClose = QStringLiteral("\u27e7");

// Marks the texts `known` has a translation for. Any language serves: the translation files
// all hold the same texts, as their own test makes sure.
class MarkingTranslator : public QTranslator {
  public:
    explicit MarkingTranslator(const QTranslator& known) : known_(known) {}
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (known_.translate(context, sourceText, disambiguation, n).isEmpty()) {
            return {};
        }
        return kOpen + QString::fromUtf8(sourceText) + kClose;
    }
    bool isEmpty() const override { return false; }

  private:
    const QTranslator& known_;
};

// The letters of `text` outside the marks, once the given data (a file name shown as it is)
// is taken out. Marks may nest: a message can carry a translated reason.
QString UnmarkedLetters(QString text, const QStringList& data = {}) {
    for (const QString& datum : data) {
        text.remove(datum);
    }
    const QRegularExpression innermost(kOpen + QStringLiteral("[^") + kOpen + kClose +
                                       QStringLiteral("]*") + kClose);
    for (qsizetype before = -1; before != text.size();) {
        before = text.size();
        text.remove(innermost);
    }
    QString letters;
    for (const QChar c : std::as_const(text)) {
        if (c.isLetter()) {
            letters += c;
        }
    }
    return letters;
}

// A shortcut as Qt writes it: its modifier names are Qt's to translate, its letters the keys'.
bool IsKeySequence(const QString& text) {
    const QKeySequence keys = QKeySequence::fromString(text, QKeySequence::NativeText);
    return !keys.isEmpty() && keys.toString(QKeySequence::NativeText) == text;
}

// Texts that are no words: the letters they may show unmarked.
struct NoWords {
    const char* widget;
    const char* property;
    const char* letters;
};
constexpr NoWords kNoWords[] = {
    {"lblEquazione", "text", "XY"}, // the equation line names the unknowns
    {"lblEquazione", "accessible name", "XY"},
    {"lblInfo", "text", "i"}, // the sign of the information window
};

bool Allowed(const QString& widget, const QString& property, const QString& letters) {
    for (const NoWords& free : kNoWords) {
        if (widget == QLatin1String(free.widget) && property == QLatin1String(free.property)) {
            const QString allowed = QString::fromLatin1(free.letters);
            return std::ranges::all_of(letters, [&](QChar c) { return allowed.contains(c); });
        }
    }
    return letters.isEmpty();
}

// One text a widget shows, and where.
struct Shown {
    QString widget;
    QString property;
    QString text;
    QString Named() const { return QStringLiteral("%1 %2: \"%3\"").arg(widget, property, text); }
};

QList<Shown> TextsOf(QWidget* widget) {
    QList<Shown> texts;
    const auto add = [&](const char* property, const QString& text) {
        if (!text.isEmpty()) {
            texts.append({widget->objectName(), QString::fromLatin1(property), text});
        }
    };
    add("window title", widget->windowTitle());
    add("tool tip", widget->toolTip());
    add("what's this", widget->whatsThis());
    add("status tip", widget->statusTip());
    add("accessible name", widget->accessibleName());
    add("accessible description", widget->accessibleDescription());
    if (const auto* label = qobject_cast<QLabel*>(widget)) {
        add("text", label->text());
    }
    if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
        add("text", button->text());
    }
    if (const auto* edit = qobject_cast<QLineEdit*>(widget)) {
        add("placeholder", edit->placeholderText());
    }
    return texts;
}

// Every text `window` and its visible widgets show with words outside the marks.
QList<Shown> UnmarkedTexts(QWidget* window, const QStringList& data = {}) {
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(window);
    QList<Shown> unmarked;
    for (QWidget* widget : std::as_const(widgets)) {
        if (widget != window && !widget->isVisibleTo(window)) {
            continue;
        }
        for (const Shown& shown : TextsOf(widget)) {
            if (!IsKeySequence(shown.text) &&
                !Allowed(shown.widget, shown.property, UnmarkedLetters(shown.text, data))) {
                unmarked.append(shown);
            }
        }
    }
    return unmarked;
}

// Says each text on its own line (a failure's message is cut short), and how many there are.
QString Listed(const QList<Shown>& texts) {
    for (const Shown& shown : texts) {
        qWarning().noquote() << shown.Named();
    }
    return QStringLiteral("%1 text(s), listed above").arg(texts.size());
}

const QByteArray kProblem = "# Tarvelo file - 10:00:00 - 01/02/2026\r\n"
                            "722\r\n237\r\n2\r\n"
                            "150\r\n252\r\n5\r\n5\r\n"
                            "600\r\n252\r\n7\r\n11\r\n";

} // namespace

class MarkedTextsTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void mainWindowTextsAreMarked_data();
    void mainWindowTextsAreMarked();
    void informationWindowTextsAreMarked();
    void messagesAreMarked_data();
    void messagesAreMarked();

  private:
    QTranslator known_;
    std::unique_ptr<MarkingTranslator> marking_;
    QTemporaryDir folder_;
    QString problem_; // a problem file with an X on the balance
};

void MarkedTextsTest::initTestCase() {
    QVERIFY(known_.load(QStringLiteral(":/i18n/tarvelo_it.qm")));
    marking_ = std::make_unique<MarkingTranslator>(known_);
    QVERIFY(QCoreApplication::installTranslator(marking_.get()));
    QVERIFY(folder_.isValid());
    problem_ = folder_.filePath(QStringLiteral("lesson.trv"));
    QFile file(problem_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(kProblem), kProblem.size());
}

void MarkedTextsTest::cleanupTestCase() {
    QCoreApplication::removeTranslator(marking_.get());
}

void MarkedTextsTest::mainWindowTextsAreMarked_data() {
    QTest::addColumn<bool>("problemMode");
    QTest::addColumn<bool>("showSolution");
    QTest::addColumn<bool>("movesPanel");
    QTest::newRow("free mode") << false << false << false;
    QTest::newRow("problem mode") << true << false << false;
    QTest::newRow("problem mode, solution shown") << true << true << false;
    QTest::newRow("problem mode, moves panel open") << true << false << true;
}

void MarkedTextsTest::mainWindowTextsAreMarked() {
    QFETCH(bool, problemMode);
    QFETCH(bool, showSolution);
    QFETCH(bool, movesPanel);
    StartedWindow w(problemMode ? problem_ : QString());
    if (showSolution) {
        w.window.ToggleSolution();
    }
    w.window.SetMovesPanelOpen(movesPanel);
    const QList<Shown> unmarked = UnmarkedTexts(&w.window, {problem_});
    QVERIFY2(unmarked.isEmpty(),
             qPrintable(QStringLiteral("shown, not marked for translation: ") + Listed(unmarked)));
}

void MarkedTextsTest::informationWindowTextsAreMarked() {
    StartedWindow w;
    tarvelo::FrmInfo info(&w.window);
    info.show();
    const QList<Shown> unmarked = UnmarkedTexts(&info);
    QVERIFY2(unmarked.isEmpty(),
             qPrintable(QStringLiteral("shown, not marked for translation: ") + Listed(unmarked)));
}

void MarkedTextsTest::messagesAreMarked_data() {
    using tarvelo::HandOverResult;
    using tarvelo::ProblemError;
    QTest::addColumn<QString>("message");
    // The data they name hold no letters: any letter left is an unmarked word.
    const QString path = QStringLiteral("/1/2");
    for (const auto& [name, kind] : {std::pair{"cannot open", ProblemError::Kind::CannotOpen},
                                     {"too large", ProblemError::Kind::TooLarge},
                                     {"ends early", ProblemError::Kind::EndsEarly},
                                     {"bad count", ProblemError::Kind::BadCount},
                                     {"count beyond file", ProblemError::Kind::CountBeyondFile},
                                     {"number too large", ProblemError::Kind::NumberTooLarge},
                                     {"unknown kind", ProblemError::Kind::UnknownKind}}) {
        QTest::newRow(name) << tarvelo::RefusedFileMessage(path, ProblemError{kind, 3, 4});
    }
    for (const int error : {ENOSPC, EDQUOT, EFBIG, EACCES, EPERM, EROFS, ENOENT, ENOTDIR, EISDIR,
                            ENAMETOOLONG, EIO, 0}) {
        QTest::addRow("save failed, errno %d", error)
            << tarvelo::SaveFailedMessage(path, tarvelo::SaveFailureReason(error, {}));
    }
    QTest::newRow("unusable command line")
        << tarvelo::UnusableCommandLineMessage(QStringLiteral("\""));
    QTest::newRow("unknown value refused")
        << tarvelo::UnknownValueRefusedMessage(QStringLiteral("X"), QStringLiteral("12"));

    QTest::newRow("no private folder") << tarvelo::NoPrivateFolderMessage(
        {tarvelo::NotAPrivateFolderReason(path), tarvelo::OwnedByAnotherUserReason(path),
         tarvelo::OpenToOthersReason(path), tarvelo::PathTooLongReason(path)});
    QTest::newRow("no lock") << tarvelo::NoLockMessage(path);
    QTest::newRow("socket in the way") << tarvelo::SocketInTheWayMessage(path);
    QTest::newRow("no socket") << tarvelo::NoSocketMessage(path, QStringLiteral("5"));
    for (const auto& [name, result] : {std::pair{"no instance", HandOverResult::NoInstance},
                                       {"unreachable", HandOverResult::Unreachable},
                                       {"in the way", HandOverResult::InTheWay},
                                       {"stranger", HandOverResult::Stranger},
                                       {"closed", HandOverResult::Closed},
                                       {"no answer", HandOverResult::NoAnswer}}) {
        QTest::newRow(name) << tarvelo::HandOverFailureMessage(result, path);
    }
    QTest::newRow("handed over no file") << tarvelo::HandedOverNoFileMessage(QStringLiteral("\""));
    QTest::newRow("repeated notice") << tarvelo::RepeatedNotice(QStringLiteral("7"), 3);
    QTest::newRow("left-out notices") << tarvelo::LeftOutNoticesMessage(4);
}

void MarkedTextsTest::messagesAreMarked() {
    QFETCH(QString, message);
    QVERIFY(!message.isEmpty());
    QVERIFY2(UnmarkedLetters(message).isEmpty(), qPrintable(message));
}

QTEST_MAIN(MarkedTextsTest)
#include "MarkedTextsTest.moc"

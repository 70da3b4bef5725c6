// The equation line as a speech engine says it: every sign and every shape of term, in each of
// the program's languages, and every line the display can write left with no sign unsaid.
#include "ui/accessibility/EquationSpeech.h"

#include "core/world/EquationDisplay.h"
#include "ui/window/Translations.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace {

struct Language {
    const char* name;
    QLocale::Language language;
    QLocale::Territory territory;
};

// In the order of the words in each line of kSpoken.
constexpr std::array kLanguages = {
    Language{"English", QLocale::English, QLocale::UnitedStates},
    Language{"Italian", QLocale::Italian, QLocale::Italy},
    Language{"German", QLocale::German, QLocale::Germany},
    Language{"French", QLocale::French, QLocale::France},
    Language{"Spanish", QLocale::Spanish, QLocale::Spain},
};

struct Spoken {
    const char* line;                                 // as the display writes it
    std::array<const char*, kLanguages.size()> words; // as the speech engine is to say it
};

const Spoken kSpoken[] = {
    // Each sign.
    {"2X + 3 = 9",
     {"2 X plus 3 equals 9", "2 X più 3 è uguale a 9", "2 X plus 3 ist gleich 9",
      "2 X plus 3 égale 9", "2 X más 3 es igual a 9"}},
    {"X + 2 < 5",
     {"X plus 2 is less than 5", "X più 2 è minore di 5", "X plus 2 ist kleiner als 5",
      "X plus 2 est plus petit que 5", "X más 2 es menor que 5"}},
    {"7 > 3",
     {"7 is more than 3", "7 è maggiore di 3", "7 ist größer als 3", "7 est plus grand que 3",
      "7 es mayor que 3"}},
    // The answer alone against a number.
    {"X = 3", {"X equals 3", "X è uguale a 3", "X ist gleich 3", "X égale 3", "X es igual a 3"}},
    // Y alone and with its count, on both sides.
    {"3Y + 1 = Y + 9",
     {"3 Y plus 1 equals Y plus 9", "3 Y più 1 è uguale a Y più 9",
      "3 Y plus 1 ist gleich Y plus 9", "3 Y plus 1 égale Y plus 9",
      "3 Y más 1 es igual a Y más 9"}},
    // Three terms on a side, and a count of two digits.
    {"2X + Y + 4 < 12X",
     {"2 X plus Y plus 4 is less than 12 X", "2 X più Y più 4 è minore di 12 X",
      "2 X plus Y plus 4 ist kleiner als 12 X", "2 X plus Y plus 4 est plus petit que 12 X",
      "2 X más Y más 4 es menor que 12 X"}},
    // Both pans empty, as the window starts.
    {"0 = 0", {"0 equals 0", "0 è uguale a 0", "0 ist gleich 0", "0 égale 0", "0 es igual a 0"}},
    // One pan empty, on either side.
    {"5 > 0",
     {"5 is more than 0", "5 è maggiore di 0", "5 ist größer als 0", "5 est plus grand que 0",
      "5 es mayor que 0"}},
    {"0 < X + Y",
     {"0 is less than X plus Y", "0 è minore di X più Y", "0 ist kleiner als X plus Y",
      "0 est plus petit que X plus Y", "0 es menor que X más Y"}},
    // The values shown in place of the letters.
    {"2 × 3 + 1 = 7",
     {"2 times 3 plus 1 equals 7", "2 per 3 più 1 è uguale a 7", "2 mal 3 plus 1 ist gleich 7",
      "2 fois 3 plus 1 égale 7", "2 por 3 más 1 es igual a 7"}},
    {"3 + 2 × 5 > 5 + 4",
     {"3 plus 2 times 5 is more than 5 plus 4", "3 più 2 per 5 è maggiore di 5 più 4",
      "3 plus 2 mal 5 ist größer als 5 plus 4", "3 plus 2 fois 5 est plus grand que 5 plus 4",
      "3 más 2 por 5 es mayor que 5 más 4"}},
    // X's value shown, Y still a letter.
    {"2 × 3 + 2Y < 4 × 3 + Y",
     {"2 times 3 plus 2 Y is less than 4 times 3 plus Y",
      "2 per 3 più 2 Y è minore di 4 per 3 più Y",
      "2 mal 3 plus 2 Y ist kleiner als 4 mal 3 plus Y",
      "2 fois 3 plus 2 Y est plus petit que 4 fois 3 plus Y",
      "2 por 3 más 2 Y es menor que 4 por 3 más Y"}},
    // No scene yet: nothing to say.
    {"", {"", "", "", "", ""}},
};

// What a balance `target` pixels apart says, and the words that say it in English.
struct SignCase {
    std::int32_t target;
    const char* words;
};

constexpr SignCase kSignCases[] = {
    {-1, " is less than "},
    {0, " equals "},
    {1, " is more than "},
};

// The terms a side may hold: none, one or more of each kind.
std::vector<tarvelo::Terms> SomeSides() {
    std::vector<tarvelo::Terms> sides;
    for (const std::int32_t x : {0, 1, 2}) {
        for (const std::int32_t y : {0, 1, 3}) {
            for (const std::int32_t constant : {0, 4, 12}) {
                sides.push_back({constant, x, y});
            }
        }
    }
    return sides;
}

// What an English line still holds of the written one that a speech engine would say badly:
// a sign, or a count stuck to its letter; empty when nothing.
QString Unsaid(const QString& words) {
    const QRegularExpression written(QStringLiteral("[+=<>\u00d7]|[0-9][XY]"));
    return written.match(words).captured();
}

} // namespace

class EquationSpeechTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup();
    void eachShapeInEachLanguage_data();
    void eachShapeInEachLanguage();
    void everyLineTheDisplayWritesIsSaidInWords_data();
    void everyLineTheDisplayWritesIsSaidInWords();

  private:
    QList<QTranslator*> installed_;
};

void EquationSpeechTest::cleanup() {
    qDeleteAll(installed_); // uninstalls them
    installed_.clear();
}

void EquationSpeechTest::eachShapeInEachLanguage_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("words");
    for (std::size_t l = 0; l < kLanguages.size(); ++l) {
        const Language& language = kLanguages[l];
        for (const Spoken& spoken : kSpoken) {
            QTest::addRow("%s: \"%s\"", language.name, spoken.line)
                << QLocale(language.language, language.territory) << QString::fromUtf8(spoken.line)
                << QString::fromUtf8(spoken.words[l]);
        }
    }
}

void EquationSpeechTest::eachShapeInEachLanguage() {
    QFETCH(QLocale, locale);
    QFETCH(QString, line);
    QFETCH(QString, words);
    installed_ = tarvelo::InstallTranslations(locale);
    QCOMPARE(tarvelo::SpokenEquation(line.toStdString()), words);
}

void EquationSpeechTest::everyLineTheDisplayWritesIsSaidInWords_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("signWords");
    constexpr std::int32_t kX = 3;
    constexpr std::int32_t kY = 5;
    const std::vector<tarvelo::Terms> sides = SomeSides();
    std::set<std::string> lines; // without a value of Y to show, both valued lines are one
    for (const SignCase& sign : kSignCases) {
        tarvelo::EquationDisplay display;
        display.ShowSign(sign.target);
        const std::string& written = display.lblComparison().Caption;
        for (const tarvelo::Terms& left : sides) {
            for (const tarvelo::Terms& right : sides) {
                display.UpdateEquazione(left, right);
                const std::string valued = tarvelo::EquationDisplay::ValuedSideText(left, kX, kY) +
                                           " " + written + " " +
                                           tarvelo::EquationDisplay::ValuedSideText(right, kX, kY);
                const std::string valuedX =
                    tarvelo::EquationDisplay::ValuedSideText(left, kX, std::nullopt) + " " +
                    written + " " +
                    tarvelo::EquationDisplay::ValuedSideText(right, kX, std::nullopt);
                for (const std::string& line : {display.lblEquazione().Caption, valued, valuedX}) {
                    if (!lines.insert(line).second) {
                        continue;
                    }
                    QTest::addRow("%s", line.c_str())
                        << QString::fromStdString(line) << QString::fromUtf8(sign.words);
                }
            }
        }
    }
}

void EquationSpeechTest::everyLineTheDisplayWritesIsSaidInWords() {
    QFETCH(QString, line);
    QFETCH(QString, signWords);
    const QString words = tarvelo::SpokenEquation(line.toStdString());
    QCOMPARE(Unsaid(words), QString());
    QCOMPARE(words.count(signWords), 1);
    // Every term joined by a word, and every value shown said with its count.
    QCOMPARE(words.count(QStringLiteral(" plus ")), line.count(QStringLiteral(" + ")));
    QCOMPARE(words.count(QStringLiteral(" times ")), line.count(QStringLiteral(" \u00d7 ")));
}

QTEST_MAIN(EquationSpeechTest)
#include "EquationSpeechTest.moc"

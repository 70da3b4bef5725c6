// The equation line in words, for a speech engine.
#include "ui/accessibility/EquationSpeech.h"

#include <QCoreApplication>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvelo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::EquationSpeech", text);
}

// What EquationDisplay puts between the terms of a side, and between a count and the value
// its unknown stands for when the values are shown.
constexpr std::string_view kPlus = " + ";
constexpr std::string_view kTimes = " \u00d7 ";

// Each sign the line can show, with the sentence that says it. A whole sentence to a sign lets
// a language put the sides where its own grammar wants them.
struct SignSentence {
    std::string_view sign; // with the spaces around it, as the line writes it
    const char* sentence;
};

constexpr SignSentence kSignSentences[] = {
    {" = ", QT_TRANSLATE_NOOP("tarvelo::EquationSpeech", "%1 equals %2")},
    {" < ", QT_TRANSLATE_NOOP("tarvelo::EquationSpeech", "%1 is less than %2")},
    {" > ", QT_TRANSLATE_NOOP("tarvelo::EquationSpeech", "%1 is more than %2")},
};

// The line cut at its sign: the two sides and the sentence that joins them.
struct SplitLine {
    std::string_view left;
    std::string_view right;
    const char* sentence;
};

std::optional<SplitLine> SplitAtSign(std::string_view line) {
    for (const SignSentence& s : kSignSentences) {
        if (const std::size_t at = line.find(s.sign); at != std::string_view::npos) {
            return SplitLine{line.substr(0, at), line.substr(at + s.sign.size()), s.sentence};
        }
    }
    return std::nullopt;
}

// `text` cut at each `separator`; never empty.
std::vector<std::string_view> Pieces(std::string_view text, std::string_view separator) {
    std::vector<std::string_view> pieces;
    std::size_t at = 0;
    while ((at = text.find(separator)) != std::string_view::npos) {
        pieces.push_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    pieces.push_back(text);
    return pieces;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

QString Words(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "2X" as "2 X": written together, an engine would read the count and the letter as one word.
QString CountAndLetter(std::string_view term) {
    std::size_t digits = 0;
    while (digits < term.size() && IsDigit(term[digits])) {
        ++digits;
    }
    if (digits == 0 || digits == term.size()) {
        return Words(term);
    }
    return Words(term.substr(0, digits)) + QLatin1Char(' ') + Words(term.substr(digits));
}

// One term of a side: "3", "X", "2 X", or "2 times 3" with the values shown.
QString SpokenTerm(std::string_view term) {
    const std::vector<std::string_view> factors = Pieces(term, kTimes);
    if (factors.size() == 2) {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::EquationSpeech", "%1 times %2"))
            .arg(Words(factors[0]), Words(factors[1]));
    }
    return CountAndLetter(term);
}

// A side's terms joined one by one: "2 X plus Y plus 4".
QString SpokenSide(std::string_view side) {
    const std::vector<std::string_view> terms = Pieces(side, kPlus);
    QString words = SpokenTerm(terms.front());
    for (std::size_t i = 1; i < terms.size(); ++i) {
        words = Tr(QT_TRANSLATE_NOOP("tarvelo::EquationSpeech", "%1 plus %2"))
                    .arg(words, SpokenTerm(terms[i]));
    }
    return words;
}

} // namespace

QString SpokenEquation(const std::string& equationLine) {
    const std::optional<SplitLine> split = SplitAtSign(equationLine);
    if (!split) {
        return QString::fromStdString(equationLine);
    }
    return Tr(split->sentence).arg(SpokenSide(split->left), SpokenSide(split->right));
}

} // namespace tarvelo

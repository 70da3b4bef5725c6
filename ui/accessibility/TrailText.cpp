// The trail of equations in words.
#include "ui/accessibility/TrailText.h"

#include "ui/accessibility/PieceNames.h"

#include <QCoreApplication>

namespace tarvelo {

namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("tarvelo::TrailText", text);
}

// A kind as a trail writes it: a cube by its number, X and Y by their letters.
QString Symbol(PieceKind kind) {
    if (IsNumberCube(kind)) {
        return QString::number(NumberOnCube(kind));
    }
    switch (kind) {
    case PieceKind::kX:
        return QStringLiteral("X");
    case PieceKind::kY:
        return QStringLiteral("Y");
    default:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "smiley"));
    }
}

// `onLeft` or `onRight` as the pan of `step` says, with the symbol of its kind.
QString OnPan(const TrailStep& step, const char* onLeft, const char* onRight) {
    return Tr(step.detail.pan == kLeftPan ? onLeft : onRight).arg(Symbol(step.action.kind));
}

std::int32_t Number(const TrailStep& step, std::size_t at) {
    return at < step.detail.numbers.size() ? step.detail.numbers[at] : 0;
}

// The move of `step` as a trail names it: "take 2 from both", "exchange 5 → 2 + 3".
QString MoveName(const TrailStep& step) {
    const QString kind = Symbol(step.action.kind);
    switch (step.action.verb) {
    case ActionVerb::TakenFromBoth:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "take %1 from both")).arg(kind);
    case ActionVerb::AddedToBoth:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "add %1 to both")).arg(kind);
    case ActionVerb::DroppedOnPan:
        return OnPan(step, QT_TRANSLATE_NOOP("tarvelo::TrailText", "add %1 to the left pan"),
                     QT_TRANSLATE_NOOP("tarvelo::TrailText", "add %1 to the right pan"));
    case ActionVerb::TakenFromPan:
        return OnPan(step, QT_TRANSLATE_NOOP("tarvelo::TrailText", "take %1 from the left pan"),
                     QT_TRANSLATE_NOOP("tarvelo::TrailText", "take %1 from the right pan"));
    case ActionVerb::Removed:
        return step.detail.pan == 0
                   ? Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "remove %1")).arg(kind)
                   : OnPan(step,
                           QT_TRANSLATE_NOOP("tarvelo::TrailText", "take %1 from the left pan"),
                           QT_TRANSLATE_NOOP("tarvelo::TrailText", "take %1 from the right pan"));
    case ActionVerb::Dropped:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "drop %1")).arg(kind);
    case ActionVerb::Moved:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "move %1")).arg(kind);
    case ActionVerb::Split:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "exchange %1 \u2192 %2 + %3"))
            .arg(Number(step, 0))
            .arg(Number(step, 1))
            .arg(Number(step, 2));
    case ActionVerb::Joined:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "exchange %1 + %2 \u2192 %3"))
            .arg(Number(step, 0))
            .arg(Number(step, 1))
            .arg(Number(step, 0) + Number(step, 1));
    case ActionVerb::Shared:
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "share both into %1 groups, keep one"))
            .arg(Number(step, 0));
    default:
        return {};
    }
}

// The check's line: "Check: 3 + 2 = 5, it balances." Before it rests, "Check: X = 3".
QString CheckLine(const TrailStep& step) {
    if (!step.rested) {
        const QString values =
            step.detail.numbers.size() > 1
                ? Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "X = %1, Y = %2"))
                      .arg(Number(step, 0))
                      .arg(Number(step, 1))
                : Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "X = %1")).arg(Number(step, 0));
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "Check: %1 \u2026")).arg(values);
    }
    const QString equation = QString::fromStdString(step.equation);
    return (step.sign == "="
                ? Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "Check: %1, it balances."))
                : Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "Check: %1, it does not balance.")))
        .arg(equation);
}

// A step's line: its move and the equation after it, "…" while the balance still moves.
QString StepLine(const TrailStep& step) {
    if (step.action.verb == ActionVerb::Checked) {
        return CheckLine(step);
    }
    const QString equation =
        step.rested ? QString::fromStdString(step.equation) : QStringLiteral("\u2026");
    return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText", "%1: %2")).arg(MoveName(step), equation);
}

} // namespace

QStringList TrailLines(const Trail& trail, const std::string& equationNow) {
    if (!trail.Started()) {
        return {QString::fromStdString(equationNow)};
    }
    QStringList lines{QString::fromStdString(trail.StartEquation())};
    for (const TrailStep& step : trail.Steps()) {
        lines << StepLine(step);
        if (step.solved) {
            lines << SolvedSentence(*step.solved);
        }
    }
    return lines;
}

std::optional<QString> StepNews(const TrailStep& step) {
    if (!step.rested) {
        return std::nullopt;
    }
    if (step.action.verb == ActionVerb::Checked) {
        return CheckLine(step);
    }
    if (step.solved) {
        return SolvedSentence(*step.solved);
    }
    if (step.askTwin) {
        return Tr(QT_TRANSLATE_NOOP("tarvelo::TrailText",
                                    "Do the same on the other pan to keep the balance."));
    }
    return std::nullopt;
}

} // namespace tarvelo

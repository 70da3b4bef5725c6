// The trail of equations in words, a line to each step, as the moves panel lists it, the
// clipboard and the printer take it and a screen reader reads it; and what is said as a step
// comes to rest.
#pragma once

#include "core/play/Trail.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

namespace tarvelo {

// The lines of `trail`: the equation it set out from, then each step with the move's name and
// the equation after it ("take 2 from both: X = 3"), and a line for an answer found ("Solved:
// X = 3") or checked ("Check: 3 + 2 = 5, it balances."). Before the trail set out, the one line
// is `equationNow`.
QStringList TrailLines(const Trail& trail, const std::string& equationNow);

// What is said as `step` comes to rest, beyond the balance itself: the answer it found, the
// check's judgement, or that the other pan waits for the same change; nothing otherwise.
std::optional<QString> StepNews(const TrailStep& step);

} // namespace tarvelo

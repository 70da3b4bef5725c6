// Reading a script of moves, and making each move through the model's verbs.
#include "core/play/MoveScript.h"

#include "core/play/Model.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace tarvelo {

namespace {

constexpr char kMoveSeparator = ';';
constexpr std::int32_t kMostGroups = 99; // more than any scene holds pieces for

struct MoveShape {
    std::string_view name;
    MoveType type;
    bool side;               // a side comes first
    bool kind;               // then a kind of piece
    std::size_t cubeNumbers; // then so many cube numbers
    bool groups;             // or a number of groups
    std::size_t mayFollow;   // and at most so many more cube numbers
};

constexpr std::array kShapes{
    MoveShape{"take", MoveType::Take, false, true, 0, false, 0},
    MoveShape{"add", MoveType::Add, false, true, 0, false, 0},
    MoveShape{"split", MoveType::Split, true, false, 3, false, 0},
    MoveShape{"join", MoveType::Join, true, false, 2, false, 0},
    MoveShape{"share", MoveType::Share, false, false, 0, true, 0},
    MoveShape{"drop", MoveType::Drop, true, true, 0, false, 0},
    MoveShape{"remove", MoveType::Remove, true, true, 0, false, 0},
    MoveShape{"check", MoveType::Check, false, false, 1, false, 1},
};

constexpr std::string_view kWordSeparator = ", ";

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

std::vector<std::string> WordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (IsBlank(c)) {
            if (!word.empty()) {
                words.push_back(std::exchange(word, {}));
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(word);
    }
    return words;
}

std::string Lower(std::string word) {
    for (char& c : word) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return word;
}

// A whole number written in digits, at most `most`.
std::optional<std::int32_t> NumberOf(const std::string& word, std::int32_t most) {
    if (word.empty() || word.size() > std::to_string(most).size()) {
        return std::nullopt;
    }
    std::int32_t value = 0;
    for (const char c : word) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value <= most ? std::optional<std::int32_t>(value) : std::nullopt;
}

std::optional<std::int32_t> CubeNumberOf(const std::string& word) {
    const std::int32_t highest = NumberOnCube(PieceKind::kNine);
    const std::optional<std::int32_t> n = NumberOf(word, highest);
    return n && CubeBearing(*n) ? n : std::nullopt;
}

std::optional<PieceKind> KindOf(const std::string& word) {
    const std::string lower = Lower(word);
    if (lower == "x") {
        return PieceKind::kX;
    }
    if (lower == "y") {
        return PieceKind::kY;
    }
    if (lower == "smiley") {
        return PieceKind::kSmiley;
    }
    const std::optional<std::int32_t> n = CubeNumberOf(word);
    return n ? CubeBearing(*n) : std::nullopt;
}

std::optional<std::int32_t> SideOf(const std::string& word) {
    const std::string lower = Lower(word);
    if (lower == "left") {
        return kLeftPan;
    }
    if (lower == "right") {
        return kRightPan;
    }
    return std::nullopt;
}

std::size_t FewestWords(const MoveShape& shape) {
    return 1 + (shape.side ? 1 : 0) + (shape.kind ? 1 : 0) + shape.cubeNumbers +
           (shape.groups ? 1 : 0);
}

// One move's words read by its shape; the error names the word at fault.
std::optional<ScriptError> ReadWords(const MoveShape& shape, const std::vector<std::string>& words,
                                     ScriptMove& move) {
    if (words.size() < FewestWords(shape) || words.size() > FewestWords(shape) + shape.mayFollow) {
        return ScriptError{ScriptFault::WordCount, move.text, {}};
    }
    std::size_t at = 1;
    if (shape.side) {
        const std::optional<std::int32_t> pan = SideOf(words[at]);
        if (!pan) {
            return ScriptError{ScriptFault::BadSide, move.text, words[at]};
        }
        move.pan = *pan;
        ++at;
    }
    if (shape.kind) {
        const std::optional<PieceKind> kind = KindOf(words[at]);
        if (!kind) {
            return ScriptError{ScriptFault::BadKind, move.text, words[at]};
        }
        move.kind = *kind;
        ++at;
    }
    for (; at < words.size(); ++at) {
        const std::optional<std::int32_t> n =
            shape.groups ? NumberOf(words[at], kMostGroups) : CubeNumberOf(words[at]);
        if (!n) {
            return ScriptError{ScriptFault::BadNumber, move.text, words[at]};
        }
        move.numbers.push_back(*n);
    }
    return std::nullopt;
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

} // namespace

MoveScript ReadMoveScript(std::string_view script) {
    MoveScript read;
    std::size_t start = 0;
    while (start <= script.size()) {
        const std::size_t end = std::min(script.find(kMoveSeparator, start), script.size());
        ScriptMove move;
        move.text = Trimmed(script.substr(start, end - start));
        start = end + 1;
        const std::vector<std::string> words = WordsOf(move.text);
        if (words.empty()) {
            continue;
        }
        const std::string name = Lower(words.front());
        const auto* shape = std::find_if(kShapes.begin(), kShapes.end(),
                                         [&](const MoveShape& s) { return s.name == name; });
        if (shape == kShapes.end()) {
            return {{}, ScriptError{ScriptFault::UnknownMove, move.text, words.front()}};
        }
        move.type = shape->type;
        if (std::optional<ScriptError> error = ReadWords(*shape, words, move)) {
            return {{}, std::move(error)};
        }
        read.moves.push_back(std::move(move));
    }
    if (read.moves.empty()) {
        return {{}, ScriptError{}};
    }
    return read;
}

std::string MoveWordList() {
    std::string list;
    for (const MoveShape& shape : kShapes) {
        list += (list.empty() ? "" : kWordSeparator);
        list += shape.name;
    }
    return list;
}

namespace {

MoveOutcome MakeMove(Model& model, const ScriptMove& move) {
    const std::vector<std::int32_t>& n = move.numbers;
    switch (move.type) {
    case MoveType::Take:
        return model.TakeFromBoth(move.kind);
    case MoveType::Add:
        return model.AddToBoth(move.kind);
    case MoveType::Split:
        return model.SplitCube(move.pan, n.at(0), n.at(1), n.at(2));
    case MoveType::Join:
        return model.JoinCubes(move.pan, n.at(0), n.at(1));
    case MoveType::Share:
        return model.Share(n.at(0));
    case MoveType::Drop:
        return model.DropOnPan(move.pan, move.kind);
    case MoveType::Remove:
        return model.TakeFromPan(move.pan, move.kind);
    case MoveType::Check:
        return model.Check(n.at(0), n.size() > 1 ? std::optional(n[1]) : std::nullopt);
    }
    return {};
}

} // namespace

MoveOutcome ApplyMove(Model& model, const ScriptMove& move) {
    MoveOutcome outcome = MakeMove(model, move);
    if (!outcome.Done()) {
        model.NoteRefusal();
    }
    return outcome;
}

} // namespace tarvelo

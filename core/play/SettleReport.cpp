// The settled scene as one JSON object, for the run without a window.
#include "core/play/SettleReport.h"

#include "core/play/Model.h"

#include <cstdio>

namespace tarvelo {

namespace {

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Box(const SceneObject& o) {
    return "\"x\": " + std::to_string(o.objX) + ", \"y\": " + std::to_string(o.objY) +
           ", \"width\": " + std::to_string(o.objW) + ", \"height\": " + std::to_string(o.objH);
}

std::string PanName(std::int32_t pan) {
    switch (pan) {
    case kLeftPan:
        return "\"left\"";
    case kRightPan:
        return "\"right\"";
    default:
        return "null";
    }
}

std::string MovesJson(const std::vector<MoveReport>& moves) {
    std::string json = "[";
    for (const MoveReport& m : moves) {
        json += (json.size() == 1 ? "{" : ", {") + std::string("\"move\": ") + Quoted(m.move) +
                ", \"equation\": " + Quoted(m.equation) +
                ", \"refused\": " + (m.refused ? Quoted(*m.refused) : "null") +
                (m.balances ? std::string(", \"balances\": ") + (*m.balances ? "true" : "false")
                            : std::string()) +
                "}";
    }
    return json + "]";
}

std::string SolvedJson(const std::optional<SolvedUnknown>& solved) {
    if (!solved) {
        return "null";
    }
    return std::string("{\"unknown\": ") + (solved->unknown == PieceKind::kX ? "\"X\"" : "\"Y\"") +
           ", \"value\": " + std::to_string(solved->value) + ", \"side\": " + PanName(solved->pan) +
           "}";
}

std::string ChallengeJson(const ChallengeFacts& challenge) {
    return ", \"level\": " + std::to_string(challenge.level) +
           ", \"goal\": " + Quoted(challenge.goal) +
           ", \"fewestMoves\": " + std::to_string(challenge.fewestMoves) +
           ", \"solution\": " + Quoted(challenge.solution);
}

} // namespace

std::string SettleReportJson(const Model& model, bool rested, std::int64_t sceneMilliseconds,
                             const std::vector<MoveReport>* moves,
                             const ChallengeFacts* challenge) {
    std::string json = "{\"equation\": " + Quoted(model.equation.lblEquazione().Caption) +
                       ", \"rested\": " + (rested ? "true" : "false") +
                       ", \"sceneMilliseconds\": " + std::to_string(sceneMilliseconds) +
                       ", \"pans\": [";
    for (std::int32_t pan = kLeftPan; pan <= kRightPan && pan <= model.scene.objCount(); ++pan) {
        json += (pan == kLeftPan ? "{" : ", {") + Box(model.scene.obj(pan)) + "}";
    }
    json += "], \"pieces\": [";
    for (std::int32_t i = kRightPan + 1; i <= model.scene.objCount(); ++i) {
        const SceneObject& o = model.scene.obj(i);
        json += (i == kRightPan + 1 ? "{" : ", {") + std::string("\"kind\": ") +
                std::to_string(KindNumber(o.objKind)) + ", " + Box(o) +
                ", \"pan\": " + PanName(model.scene.PanCarrying(i)) + "}";
    }
    json += "]";
    if (moves) {
        json += ", \"moves\": " + MovesJson(*moves) + ", \"solved\": " + SolvedJson(model.Solved());
    }
    if (challenge) {
        json += ChallengeJson(*challenge);
    }
    return json + "}";
}

} // namespace tarvelo

// Start-up of the main window's state and the rebuilding of the scene.
#include "core/scene/Layout.h"
#include "core/scene/Model.h"
#include "core/scene/Numeric.h"

namespace tarvelo {

namespace {

constexpr double kLevelLineShare = 0.7; // the pans' level line, as a share of the scene height
constexpr double kPanStartX = 100;
constexpr double kPanStartY = 30;
constexpr const char* kDefaultProblemFile = "Tarvelo_problem.trv";

} // namespace

Model::Model() : objects(1) {
    Caption = "Tarvelo";
    pictDraw = {0, 0, layout::kSceneWidth, layout::kSceneHeight};

    lblComparison.Caption = "=";
    lblComparison.Left = static_cast<float>(layout::kLblComparison.left);
    lblComparison.Top = static_cast<float>(layout::kLblComparison.top);
    lblComparison.Width = layout::kLblComparison.width;

    auto place = [](ControlBox& box, const layout::Rect& r) {
        box = {static_cast<float>(r.left), static_cast<float>(r.top), r.width, r.height, false};
    };
    place(selObj, layout::kSelObj);
    place(lblMassa, layout::kLblMassa);
    place(dragImg, layout::kDragImg);
    place(dragImgInt, layout::kDragImgInt);

    Command1 = {"Show solution", true, true};
    Command2 = {"New", true, true};
    Command3 = {"Load", true, true};
    Command4 = {"Save", true, true};
    Command5 = {"Restart", false, false};
}

void Model::Form_Initialize() {
    if (stProblemFile.empty()) {
        stProblemFile = kDefaultProblemFile;
    }
}

std::int32_t Model::LevelLine() const {
    return RoundToInt32(pictDraw.ScaleTop + kLevelLineShare * pictDraw.ScaleHeight);
}

void Model::Form_Load() {
    // An empty table, then the two pans as objects 1 and 2.
    objCount = 0;
    objects.resize(1);
    AddObject(kind::kPan, kPanStartX, kPanStartY);
    AddObject(kind::kPan, kPanStartX, kPanStartY);
    topContact.Resize(objCount);
    RefreshObjects();

    RandomXYvalues();

    // Both pans on the level line, the sign centred across the scene at their height.
    const std::int32_t level = LevelLine();
    obj(1).objY = level;
    obj(2).objY = level;
    lblComparison.Top = static_cast<float>(level);
    lblComparison.Left = static_cast<float>(pictDraw.ScaleLeft) +
                         static_cast<float>(pictDraw.ScaleWidth) / 2.0f -
                         static_cast<float>(lblComparison.Width) / 2.0f;

    // Centres the pans, sets the sign for the empty pans and writes the equation line.
    UpdateBalance();
}

} // namespace tarvelo

// The buttons of each program mode and the solution display.
#include "core/scene/Model.h"

namespace tarvelo {

namespace {

void Show(ButtonState& button, bool shown) {
    button.Enabled = shown;
    button.Visible = shown;
}

} // namespace

void Model::UpdateProgramMode() {
    const bool problem = programMode == kProblemMode;
    Show(Command2, !problem);
    Show(Command3, !problem);
    Show(Command4, !problem);
    Show(Command5, problem);
}

void Model::Command1_Click() {
    showSolution = !showSolution;
    Command1.Caption = showSolution ? "Hide solution" : "Show solution";
    RefreshObjects();
}

} // namespace tarvelo

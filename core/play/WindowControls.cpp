// The caption, the problem file, the buttons of each program mode and the solution display.
#include "core/play/WindowControls.h"

#include "core/base/Layout.h"

namespace tarvelo {

namespace {

constexpr const char* kDefaultProblemFile = "Tarvelo_problem.trv";

ButtonState Shown(const ButtonState& button, bool shown) {
    ButtonState b = button;
    b.Enabled = shown;
    b.Visible = shown;
    return b;
}

} // namespace

WindowControls::WindowControls()
    : Caption_(kProgramName), lblMassa_{static_cast<float>(layout::kLblMassa.left),
                                        static_cast<float>(layout::kLblMassa.top),
                                        layout::kLblMassa.width, layout::kLblMassa.height, false},
      Command1_{"Show solution", true, true}, Command2_{"New", true, true},
      Command3_{"Load", true, true}, Command4_{"Save", true, true}, Command5_{"Restart", false,
                                                                              false} {}

void WindowControls::Initialize() {
    if (stProblemFile_.empty()) {
        Set(stProblemFile_, std::string(kDefaultProblemFile));
    }
}

void WindowControls::ShowProblemFile(const std::string& sFileName) {
    Set(stProblemFile_, sFileName);
    Set(Caption_, std::string(kProgramName) + kCaptionSeparator + stProblemFile_);
}

void WindowControls::SetProblemFile(const std::string& sFileName) {
    Set(stProblemFile_, sFileName);
}

void WindowControls::UpdateProgramMode(ProgramMode mode) {
    Set(programMode_, mode);
    const bool problem = mode == ProgramMode::Problem;
    Set(Command2_, Shown(Command2_, !problem));
    Set(Command3_, Shown(Command3_, !problem));
    Set(Command4_, Shown(Command4_, !problem));
    Set(Command5_, Shown(Command5_, problem));
}

void WindowControls::ToggleSolution() {
    SetSolutionShown(!showSolution_);
    Set(checkShown_, false);
}

void WindowControls::ShowCheckedValues() {
    if (!showSolution_) {
        SetSolutionShown(true);
        Set(checkShown_, true);
    }
}

void WindowControls::EndCheckedValues() {
    if (checkShown_) {
        HideSolution();
    }
}

void WindowControls::HideSolution() {
    SetSolutionShown(false);
    Set(checkShown_, false);
}

void WindowControls::SetSolutionShown(bool shown) {
    Set(showSolution_, shown);
    Set(Command1_.Caption, std::string(shown ? "Hide solution" : "Show solution"));
}

} // namespace tarvelo

// The window's own controls: its caption and the problem file it names, the program mode with
// the buttons each mode shows, and whether the solution is shown.
#pragma once

#include "core/base/ChangeCounter.h"
#include "core/base/ControlValues.h"

#include <cstdint>
#include <string>

namespace tarvelo {

// The caption: the program's name, then the separator and the problem file once there is one.
inline constexpr const char* kProgramName = "Tarvelo";
inline constexpr const char* kCaptionSeparator = " - ";

// The program modes: free play with New, Load and Save, or a problem with Restart only.
enum class ProgramMode : std::int32_t { Free = 0, Problem = 1 };

class WindowControls : public ChangeCounter {
  public:
    WindowControls();

    const std::string& Caption() const { return Caption_; }
    // The problem file that Save writes and Restart reads again.
    const std::string& stProblemFile() const { return stProblemFile_; }
    ProgramMode programMode() const { return programMode_; }
    bool showSolution() const { return showSolution_; }
    // Whether the solution shows because a check put its values on X and Y, rather than by the
    // user's own choice.
    bool checkShown() const { return checkShown_; }
    const ControlBox& lblMassa() const { return lblMassa_; }
    const ButtonState& Command1() const { return Command1_; } // Show solution
    const ButtonState& Command2() const { return Command2_; } // New
    const ButtonState& Command3() const { return Command3_; } // Load
    const ButtonState& Command4() const { return Command4_; } // Save
    const ButtonState& Command5() const { return Command5_; } // Restart

    // A default problem file name when none was given.
    void Initialize();
    // The file a problem was read from: named in the caption, read again by Restart.
    void ShowProblemFile(const std::string& sFileName);
    // The file a problem was saved to, for the next Save; the caption keeps what it showed.
    void SetProblemFile(const std::string& sFileName);
    // The mode, with the buttons it shows.
    void UpdateProgramMode(ProgramMode mode);
    // Shows or hides the solution; the button says what a press will do next. The display is
    // the user's own choice from then on.
    void ToggleSolution();
    // Shows the values a check gave X and Y, unless the user shows the solution already.
    void ShowCheckedValues();
    // Hides what a check showed; a solution the user chose to show stays shown.
    void EndCheckedValues();
    // Hides the solution, whoever showed it.
    void HideSolution();

  private:
    // The display and the button's caption, which says what a press will do next.
    void SetSolutionShown(bool shown);

    std::string Caption_;
    std::string stProblemFile_;
    ProgramMode programMode_ = ProgramMode::Free;
    bool showSolution_ = false;
    bool checkShown_ = false;
    ControlBox lblMassa_;
    ButtonState Command1_;
    ButtonState Command2_;
    ButtonState Command3_;
    ButtonState Command4_;
    ButtonState Command5_;
};

} // namespace tarvelo

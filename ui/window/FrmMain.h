// The main window: the scene surface, the palette, the buttons, the labels and the three timers.
// All state lives in the model; the widgets show it, and every handler copies the model's
// control properties back onto them when it is done. The window builds its controls and wires
// the parts that run them: the timers (TickTimers), the sync of the widgets (WidgetSync), the
// pointer (PointerInput) and the keyboard and screen reader (AccessLayer).
#pragma once

#include "core/base/WindowTimers.h"
#include "core/desktop/FileTypeRegistration.h"
#include "core/io/SaveTarget.h"
#include "core/play/Model.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/instance/NoticeQueue.h"
#include "ui/painting/PiecePictures.h"
#include "ui/window/WindowInput.h"

#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QCloseEvent;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QPushButton;
class QTimer;

namespace tarvelo {

class AccessLayer;
enum class BuiltSceneLeft;
class ChallengeSession;
class ChallengesWindow;
class FrmInfo;
class LessonSession;
class LessonsWindow;
class MovesPanel;
struct SaveFailure;
struct ChallengeRun;
struct Lesson;
struct LessonEntry;
struct PanelTask;
enum class LessonSet;
enum class Reward;
struct ScriptMove;
class VirtualClock;
class PictureBox;
class PointerInput;
class SoundPlayer;
class Voice;
class SceneCanvas;
class ScreenReaderWatch;
class SelectionFrame;
class TickTimers;
class WidgetSync;
class WindowZoom;

// The problem file for the scene of `model` as it is now.
std::string ProblemText(const Model& model);

class FrmMain : public QWidget {
    Q_OBJECT
  public:
    // `commandLine` is what followed the program's own path on its command line.
    explicit FrmMain(QString commandLine = {}, QWidget* parent = nullptr);
    ~FrmMain() override;

    Model& model() { return model_; }
    const Model& model() const { return model_; }

    // Start-up: once when the window is made (registers the file type for the user, aside;
    // a program run from its build folder only when asked), then before it is first shown (and
    // again for every new scene).
    void Initialize(BuildTreeRegistration buildTree = BuildTreeRegistration::Skipped);
    void BuildScene();

    // Loads the problem a command line names and sets the program mode: problem mode after a
    // file from outside, free mode for an empty command line.
    void LoadCommandLine(const QString& stCommand);
    // A command line handed over by another start: clears the scene, loads its file, and calls
    // `done` once that is over. A file that is refused changes nothing. A relative path is taken
    // from `workingDirectory`, the folder the other start ran in.
    void ExecuteHandOver(const QString& command, std::function<void()> done,
                         const QString& workingDirectory = {});

    // A command line handed over by another start, from `workingDirectory`. It is served once no
    // dialog or message of the window is open and no scene is being emptied, so that it never
    // changes the scene under a Save dialog or a prompt. Of several that wait, only the last is
    // opened, and the user is told how many were passed over.
    void ReceiveHandOver(const QString& commandLine, const QString& workingDirectory);

    // The "i" label: the information window, modal.
    void ShowInformation();

    // The moves panel under the scene (Ctrl+M): open, the window grows by its height and the
    // focus goes into it; closed, the window is as without it and the focus goes back.
    void SetMovesPanelOpen(bool open);
    bool MovesPanelOpen() const;

    // All sound on or off (Ctrl+Shift+M, or the panel's switch), kept in the settings and said.
    void SetSoundOn(bool on);
    // No sound nor voice for as long as the window lives, whatever the settings say: for the
    // runs without a window, which draw it.
    void Silence();
    // Starts the voice's speech engine in its thread once the window has shown, so that the
    // first Ctrl+E is heard at once; with the sound off, once it is turned on. The program calls
    // it as it shows the window; tests and the runs without a window do not.
    void WarmUpVoice();
    // Every balance come to rest read aloud, or not (the panel's switch); kept in the settings.
    void SetSpeakBalances(bool speak);

    // The Challenges window (Ctrl+G, or the moves panel's Challenges… button), not modal.
    void ShowChallenges();
    // A new challenge of `level` on the pans, in problem mode, with the moves panel open. Restart
    // starts it again; a file, a new scene or a hand-over ends the challenge mode.
    void StartChallenge(std::int32_t level);
    // The challenges played in this window, and the one on the pans.
    const ChallengeSession& challenges() const;

    // The Lessons window (Ctrl+Shift+L), not modal.
    void ShowLessons();
    // Puts `entry`'s problem on the pans in problem mode, says its instruction and shows it in
    // the moves panel, which opens. False when it was not opened: the scene built was kept, or
    // the problem file was refused (which is said).
    bool OpenLesson(const LessonEntry& entry, LessonSet set);
    // The lessons opened in this window, and the one on the pans.
    const LessonSession& lessons() const;
    // Asks for a title, an instruction and a goal, and saves the scene as a lesson of the
    // teacher's own; failures are said.
    void SaveSceneAsLesson();
    // Writes the scene to `problemPath` and `lesson` beside it, making the folder; false, with
    // the file that failed and why, when that failed, and then both files are as they were.
    // `steps`: the disk's, or a test's that fail.
    bool SaveLesson(const QString& problemPath, const Lesson& lesson, SaveFailure* failure,
                    const ReplaceSteps& steps = {});

    // One tick of `timer`: the window's timers call it, and so can a test on its own clock.
    void Tick(WindowTimer timer);

    // Stops or restarts the three timers, for tests that drive the handlers themselves.
    void SetTimersRunning(bool running);

    // Stops the window's timers and runs their handlers on `clock` instead, in the order the
    // window creates its timers; the waits for the scene to empty run on it too.
    void RunOnClock(VirtualClock& clock);

    // True while the timers sleep because the scene is at rest: their ticks would change
    // nothing. Any input to the program wakes them.
    bool TimersResting() const;

    // Where the pointer is, in the pixels of the scene's client area (as its pointer events), as
    // the last pointer event the program received put it. The pointer tick asks this; tests may
    // replace it.
    std::function<QPointF()> pointerPosition;

    // Buttons.
    void ToggleSolution(); // Show / Hide solution
    void StartNewScene();  // New
    void OpenWithDialog(); // Load
    void Save();           // Save
    void Restart();        // Restart

    // Reads the problem file at `path` and, if it is sound, rebuilds the scene with it; else
    // says why it was refused and changes nothing. False when refused.
    bool OpenProblem(const QString& path, SceneChange change = SceneChange::Opened);
    // Writes the scene to `path` and makes it the current problem file; else says why not and
    // changes nothing. False when the save failed.
    bool SaveProblemAs(const QString& path);
    // Asks where to save the scene and saves it there; false when cancelled or not saved.
    bool SaveWithDialog();
    // Before a scene built in free play goes where no undo brings it back from (a lesson, the
    // window's end): asks to save or discard it, unless it is saved as it is. False when the
    // user keeps it, or the save failed or was cancelled.
    bool MayLeaveBuiltScene(BuiltSceneLeft why);
    // The desktop's session ends (logout): true when it may, asked as closing asks where the
    // session manager lets the program ask (`mayAsk`); else only when nothing would be lost.
    bool MayEndSession(bool mayAsk);
    // A file dropped on the window: in free play as Load opens it, in problem mode as a file
    // handed over from the desktop.
    void OpenDroppedFile(const QString& path);
    // Writes the scene to `path`; false, with the reason, when that failed. `replaced` (when
    // given) tells what file was replaced.
    bool SaveProblem(const QString& path, QString* reason, SaveTarget* replaced = nullptr);

    // Copies the model's control properties onto the widgets and repaints the scene if the
    // model drew something new. `afterInput`: right after the user's own input, which the
    // scene shows at the screen's full frame rate.
    void SyncFromModel(bool afterInput = false);

    // The scene as it is shown.
    SceneCanvas* sceneCanvas() const { return canvas_; }

  protected:
    // The "i" label opens the information window.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The window made active says what waited for it (see SayOnceActive).
    void changeEvent(QEvent* event) override;
    // Closing asks before a scene built is lost (MayLeaveBuiltScene).
    void closeEvent(QCloseEvent* event) override;
    // Files dragged from the desktop: one problem file opens (OpenDroppedFile); anything else
    // dropped is refused with a message.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // Serves the hand-over waiting, if the window is free for it; else tries again shortly.
    void ServeHandOver();
    // A problem file from the desktop at `path`, opened in problem mode (asking first over a
    // scene built); a refusal is a notice. `done` is called either way.
    void OpenFromDesktop(const std::string& path, std::function<void()> done);
    // `problem` (none: a new scene in free play) put on the pans as a file from the desktop.
    void PutFromDesktop(std::optional<Problem> problem, const std::string& path,
                        std::function<void()> done);
    // The keys that close the window, the drops and the session's end.
    void BuildDesktop();
    // A scene built in free play that no file holds as it is now.
    bool HoldsUnsavedBuiltScene() const;
    // True while the scene empties itself before a new one is built.
    bool SceneEmptying() const;
    std::optional<std::string> InputBox(const std::string& title, const std::string& prompt,
                                        const std::string& defaultText);
    // The window's own frame, size and colour.
    void SetUpWindow();
    // The controls, area by area, in the order that stacks them as the window was drawn; then
    // the parts that run them.
    void BuildControls();
    void BuildSceneSurface();
    void BuildPalette();
    void BuildLabels();
    void BuildSceneControls();
    // Keys, focus and what a screen reader is told, over the controls built before.
    void BuildAccess();
    // The parts that bring the widgets up to the model and take the pointer, over the controls.
    void BuildSync();
    void BuildPointerInput();
    // The moves panel, made the first time it opens, and the key that opens it.
    void BuildMovesPanel();
    void BuildMovesPanelKey();
    // The Challenges window's key, and the praise for an answer that solves a challenge.
    void BuildChallenges();
    // Puts `run`'s problem on the pans under its name, and says `sentence`.
    void PutChallenge(const ChallengeRun& run, const QString& sentence);
    // Restart in a challenge: the same challenge again. False outside the challenge mode.
    bool RestartChallenge();
    // The next challenge of the level on the pans.
    void NextChallenge();
    // The praise said instead of `answer`, when it solves the challenge on the pans: the stars
    // are kept, and the panel shows them with the Next challenge button, which takes the focus.
    std::optional<QString> PraiseAnswer(const SolvedUnknown& answer);
    // The challenge or lesson on the pans as the panel shows it.
    PanelTask TaskShown() const;
    // The Lessons window's key.
    void BuildLessons();
    // The sound player and the voice, their keys and the settings they keep.
    void BuildSound();
    // A sound the model asks for: played, and a balance at rest read aloud if the user asked.
    void HearCue(const SoundCue& cue);
    // The tone of the balance as it last came to rest, again (with Ctrl+B).
    void ReplayBalanceTone();
    // Ctrl+E: the equation line in words, aloud or (a screen reader listening) through it.
    void SpeakEquation();
    void Speak(const QString& words);
    // Whether the voice speaks: unless a screen reader runs, or the user asked for both.
    bool VoiceSpeaks() const;
    // Tells the user, the first time only, that the voice could not read a sentence aloud.
    void SayNoVoice();
    // A challenge solved: `reward`, and "X equals 5" aloud unless a screen reader listens,
    // which hears the praise that says it.
    void CelebrateAnswer(const SolvedUnknown& answer, Reward reward);
    // Says `sentence` once the window is active again with the focus placed, after the events of
    // that. A challenge or lesson opened from its window brings a window activated, a panel
    // opened and the focus moved, amid which a screen reader drops what is said.
    void SayOnceActive(const QString& sentence);
    // Once the balance at rest shows the goal of the lesson on the pans for the first time: its
    // star is kept, the praise said, and the panel shows the next lesson's button, which takes
    // the focus.
    void NoteLessonDone();
    void NextLesson();
    // The panel's button after a challenge or lesson done: the next one.
    void ShowNext();
    // The lesson on the pans as the panel shows it; none outside a lesson.
    std::optional<PanelTask> LessonShown() const;
    // A move the panel asks for, made through Handle as any input; what it did is shown in the
    // panel and said.
    void MakePanelMove(const ScriptMove& move);
    // The panel's check of an answer (Y kUncheckedY: not checked) and its lock of the pans.
    void CheckAnswer(int x, int y);
    void LockPans(bool locked);
    // Why no move can be made now, if none can.
    std::optional<QString> WhyMovesWait() const;
    void TellMoveOutcome(const QString& sentence);
    // The panel brought up to the model after each sync: the answer, said once each time the
    // balance comes to show it, and the trail of equations.
    void SyncMovesPanel();
    // The window's title, which a screen reader names the window by: the caption the model
    // writes, with a lesson opened here named by its title in the window's language.
    void SyncTitle();
    // Runs a verb of the model, then brings the widgets up to date: all input goes this way.
    void Handle(const std::function<void()>& handler);
    // Handle, for the parts that take the user's input.
    InputHandler Handler();
    // Lets the scene fall out, rebuilds it, then runs `afterRebuild` (which may load a problem).
    void ResetScene(std::function<void()> afterRebuild);
    QString CurrentProblemFile() const;
    static QString ProblemFilter();

    Model model_;
    QString commandLine_;
    PiecePictures pictures_;

    QFrame* pictDraw_ = nullptr;
    SceneCanvas* canvas_ = nullptr;
    PictureBox* dragImg_ = nullptr;
    PictureBox* dragImgInt_ = nullptr;
    QLabel* lblEquazione_ = nullptr;
    QLabel* lblInfo_ = nullptr;
    QLabel* Label1_ = nullptr;
    QLabel* Label2_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* lblComparison_ = nullptr;
    QLabel* lblMassa_ = nullptr;
    SelectionFrame* selObj_ = nullptr;
    PaletteBoxes palette_; // shown pictures, left to right
    AccessLayer* access_ = nullptr;
    QPushButton* Command1_ = nullptr;
    QPushButton* Command2_ = nullptr;
    QPushButton* Command3_ = nullptr;
    QPushButton* Command4_ = nullptr;
    QPushButton* Command5_ = nullptr;
    std::unique_ptr<WidgetSync> sync_;
    PointerInput* pointer_ = nullptr;
    TickTimers* timers_ = nullptr;
    WindowZoom* zoom_ = nullptr;
    MovesPanel* movesPanel_ = nullptr;
    // Where the focus was before the panel opened, to go back to as it closes.
    QPointer<QWidget> focusBeforePanel_;
    // What the panel's trail was last worded from: the trail's change count, and the equation
    // line it shows alone before a solving sets out.
    using TrailShown = std::pair<std::uint64_t, std::string>;
    std::optional<TrailShown> trailShown_;

    std::deque<std::function<void()>> pendingResets_;
    // The last hand-over not served yet (command line, folder), and how many it replaced.
    std::optional<std::pair<QString, QString>> pendingHandOver_;
    int handOversPassedOver_ = 0;
    QTimer* handOverRetry_ = nullptr;
    // Notices about hand-overs and the start, one box at a time; the window owns it.
    NoticeQueue* const notices_ = new NoticeQueue(this);
    std::future<bool> registration_;
    // The scene's change count when it was last saved, or its loss agreed to.
    std::optional<std::uint64_t> sceneKeptAt_;
    FrmInfo* frmInfo_ = nullptr;
    std::unique_ptr<ChallengeSession> challenge_;
    ChallengesWindow* challengesWindow_ = nullptr;
    std::unique_ptr<LessonSession> lessons_;
    // What the title was last made for: whether a lesson was on the pans, and the caption.
    std::optional<std::pair<bool, std::string>> titleMadeFor_;
    QString sayOnceActive_; // waits for the window to be active; empty: nothing waits
    SoundPlayer* sound_ = nullptr;
    Voice* voice_ = nullptr;
    ScreenReaderWatch* screenReader_ = nullptr;
    bool voiceWarmUpWanted_ = false;
    bool noVoiceSaid_ = false; // whether the user was told that no voice can read aloud
    bool speakBalances_ = false;
    // Read aloud even while a screen reader listens: the user's settings may ask for both.
    bool speakOverReader_ = false;
    std::optional<SoundCue> lastRest_; // the balance's last rest, for its tone again
    LessonsWindow* lessonsWindow_ = nullptr;
};

} // namespace tarvelo

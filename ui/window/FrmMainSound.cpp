// The main window's sound and voice: the model's sounds played, the reward, the balance's tone
// again on demand, the equation read aloud (Ctrl+E), sound on and off (Ctrl+Shift+M), and every
// settled balance read aloud when the user asks for it. The choices are kept in the settings.
#include "ui/accessibility/EquationSpeech.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/accessibility/ScreenReaderWatch.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/sound/Voice.h"
#include "ui/window/AccessLayer.h"
#include "ui/window/FrmMain.h"
#include "ui/window/KeyMap.h"
#include "ui/window/LessonTexts.h"
#include "ui/window/MovesPanel.h"
#include "ui/window/TickTimers.h"
#include "ui/window/UserSettings.h"

#include <QSettings>
#include <QShortcut>
#include <QTimer>

namespace tarvelo {

namespace {

const QString kSoundOnKey = QStringLiteral("sound/on");
const QString kSpeakBalancesKey = QStringLiteral("sound/speakBalances");
const QString kSpeakOverReaderKey = QStringLiteral("sound/speakOverScreenReader");

} // namespace

void FrmMain::BuildSound() {
    sound_ = new SoundPlayer(this);
    voice_ = new Voice(this);
    screenReader_ = new ScreenReaderWatch(this);
    const std::unique_ptr<QSettings> settings = OpenSettings({});
    sound_->SetOn(settings->value(kSoundOnKey, true).toBool());
    speakBalances_ = settings->value(kSpeakBalancesKey, false).toBool();
    speakOverReader_ = settings->value(kSpeakOverReaderKey, false).toBool();
    model_.soundCue = [this](const SoundCue& cue) { HearCue(cue); };
    auto* speak = new QShortcut(kSpeakEquationKey, this);
    connect(speak, &QShortcut::activated, this, [this] { SpeakEquation(); });
    auto* toggle = new QShortcut(kSoundKey, this);
    connect(toggle, &QShortcut::activated, this, [this] { SetSoundOn(!sound_->On()); });
    connect(access_, &AccessLayer::balanceAskedFor, this, [this] { ReplayBalanceTone(); });
    connect(voice_, &Voice::unavailable, this, [this] { SayNoVoice(); });
}

void FrmMain::HearCue(const SoundCue& cue) {
    if (cue.sound == Sound::Rest) {
        lastRest_ = cue;
        // A screen reader says the settled balance already.
        if (speakBalances_ && !screenReader_->Runs()) {
            SpeakEquation();
        }
    }
    sound_->Play(cue, timers_->NowMs());
}

void FrmMain::ReplayBalanceTone() {
    if (lastRest_) {
        sound_->Play(*lastRest_, timers_->NowMs());
    }
}

void FrmMain::SpeakEquation() {
    Speak(SpokenEquation(model_.equation.lblEquazione().Caption));
}

bool FrmMain::VoiceSpeaks() const {
    // A screen reader listening reads in its own voice: two voices would talk over each other.
    return !screenReader_->Runs() || speakOverReader_;
}

void FrmMain::Speak(const QString& words) {
    if (!VoiceSpeaks()) {
        access_->Announce(words);
        return;
    }
    if (sound_->On()) {
        voice_->Say(words, QLocale(QString::fromStdString(ProgramLanguage())));
    }
}

void FrmMain::SayNoVoice() {
    // Once: each later sentence tries the speech service again, and may find it back.
    if (!noVoiceSaid_) {
        noVoiceSaid_ = true;
        access_->Announce(tr("No voice can read aloud: the speech service does not answer."));
    }
}

void FrmMain::CelebrateAnswer(const SolvedUnknown& answer, Reward reward) {
    sound_->PlayReward(reward);
    if (VoiceSpeaks()) {
        Speak(SpokenEquation(SolvedText(answer).toStdString()));
    }
}

void FrmMain::WarmUpVoice() {
    voiceWarmUpWanted_ = true;
    if (!sound_->On()) {
        return; // until the sound is turned on
    }
    // From the event loop, once the start is over: the window waits for none of it.
    QTimer::singleShot(
        0, voice_, [this] { voice_->WarmUp(QLocale(QString::fromStdString(ProgramLanguage()))); });
}

void FrmMain::SetSoundOn(bool on) {
    sound_->SetOn(on);
    if (on && voiceWarmUpWanted_) {
        WarmUpVoice();
    }
    OpenSettings({})->setValue(kSoundOnKey, on);
    access_->Announce(on ? tr("Sound on.") : tr("Sound off."));
    SyncMovesPanel();
}

void FrmMain::Silence() {
    sound_->SetOn(false);
    speakBalances_ = false;
}

void FrmMain::SetSpeakBalances(bool speak) {
    speakBalances_ = speak;
    OpenSettings({})->setValue(kSpeakBalancesKey, speak);
    SyncMovesPanel();
}

} // namespace tarvelo

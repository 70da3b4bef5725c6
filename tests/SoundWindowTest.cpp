// Sound and voice in the real window, offscreen, with no sound server nor speech service: the
// sounds the window plays as the model asks, none while sound is off, Ctrl+E's words for the
// voice, and the missing voice told once however often Ctrl+E finds none; the sound switch by
// key and in the panel, kept in the settings; each settled balance read aloud once asked for; a
// challenge's answer read aloud.
#include "WindowFixture.h"
#include "ui/accessibility/Announcer.h"
#include "ui/sound/SoundPlayer.h"
#include "ui/sound/Voice.h"

#include <QCheckBox>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <algorithm>

using tarvelo::Sound;
using tarvelo::SoundCue;
using tarvelo::SoundPlayer;
using tarvelo::Voice;
using tarvelo::test::KeyedWindow;

namespace {

const QString kLessonXPlus2 =
    QStringLiteral(TARVELO_SOURCE_DIR "/lessons/11 Find X - X plus 2 balances 5.trv");
constexpr std::int64_t kSettleMs = 3000;
const QString kSpokenXPlus2 = QStringLiteral("X plus 2 equals 5");

struct SoundWindow : KeyedWindow {
    SoundWindow() {
        QVERIFY(window.OpenProblem(kLessonXPlus2));
        RunMs(kSettleMs);
    }
    SoundPlayer* Player() { return window.findChild<SoundPlayer*>(); }
    Voice* TheVoice() { return window.findChild<Voice*>(); }
    tarvelo::Announcer* Announcer() { return window.findChild<tarvelo::Announcer*>(); }
    // A cube dropped from high above the left pan, and the scene let rest.
    void DropFromHigh() {
        const tarvelo::SceneObject pan = window.model().scene.obj(tarvelo::kLeftPan);
        constexpr int kHeight = 150;
        window.model().AddObject(tarvelo::PieceKind::kOne, pan.objX, pan.objY - kHeight);
        RunMs(kSettleMs);
    }
};

QList<Sound> SoundsOf(const QSignalSpy& played) {
    QList<Sound> sounds;
    for (const QList<QVariant>& cue : played) {
        sounds << cue.at(0).value<SoundCue>().sound;
    }
    return sounds;
}

} // namespace

Q_DECLARE_METATYPE(tarvelo::SoundCue)

class SoundWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void cleanup();
    void theWindowPlaysWhatTheModelAsksUnlessSoundIsOff();
    void ctrlEGivesTheEquationToTheVoice();
    void withNoVoiceCtrlETellsSoOnce();
    void theSoundSwitchIsKeptAndShownInThePanel();
    void eachSettledBalanceIsReadAloudOnceAskedFor();

  private:
    QTemporaryDir settings_;
};

void SoundWindowTest::initTestCase() {
    qRegisterMetaType<SoundCue>();
    QVERIFY(settings_.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
}

void SoundWindowTest::cleanup() {
    QSettings(QStringLiteral("Tarvelo"), QStringLiteral("Tarvelo")).clear();
}

void SoundWindowTest::theWindowPlaysWhatTheModelAsksUnlessSoundIsOff() {
    SoundWindow w;
    QSignalSpy played(w.Player(), &SoundPlayer::played);
    w.DropFromHigh();
    QCOMPARE(SoundsOf(played), (QList<Sound>{Sound::Landing, Sound::Rest}));
    // Off: nothing is played, and that is said.
    QSignalSpy said(w.Announcer(), &tarvelo::Announcer::said);
    w.PressOnFocus(Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(said.last().at(0).toString(), QStringLiteral("Sound off."));
    played.clear();
    w.DropFromHigh();
    QVERIFY(played.isEmpty());
}

void SoundWindowTest::ctrlEGivesTheEquationToTheVoice() {
    SoundWindow w;
    QSignalSpy spoken(w.TheVoice(), &Voice::spoken);
    w.PressOnFocus(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(spoken.size(), 1);
    QCOMPARE(spoken.last().at(0).toString(), kSpokenXPlus2);
    // Pressed again, it reads the line again.
    w.PressOnFocus(Qt::Key_E, Qt::ControlModifier);
    QCOMPARE(spoken.size(), 2);
}

void SoundWindowTest::withNoVoiceCtrlETellsSoOnce() {
    const QString noVoice =
        QStringLiteral("No voice can read aloud: the speech service does not answer.");
    SoundWindow w;
    QSignalSpy unavailable(w.TheVoice(), &Voice::unavailable);
    QSignalSpy said(w.Announcer(), &tarvelo::Announcer::said);
    const auto toldNoVoice = [&] {
        return std::count_if(said.cbegin(), said.cend(), [&](const QList<QVariant>& sentence) {
            return sentence.at(0).toString() == noVoice;
        });
    };
    // Each Ctrl+E tries the speech service again, and finds none; the user is told the first
    // time only.
    w.PressOnFocus(Qt::Key_E, Qt::ControlModifier);
    QTRY_COMPARE(unavailable.size(), 1);
    QCOMPARE(toldNoVoice(), 1);
    w.PressOnFocus(Qt::Key_E, Qt::ControlModifier);
    QTRY_COMPARE(unavailable.size(), 2);
    QCOMPARE(toldNoVoice(), 1);
}

void SoundWindowTest::theSoundSwitchIsKeptAndShownInThePanel() {
    {
        SoundWindow w;
        w.window.SetMovesPanelOpen(true);
        auto* sound = w.Panel()->findChild<QCheckBox*>(QStringLiteral("sound"));
        QVERIFY(sound->isChecked());
        sound->click();
        QVERIFY(!w.Player()->On());
        // Ctrl+E stays quiet with sound off.
        QSignalSpy spoken(w.TheVoice(), &Voice::spoken);
        w.window.activateWindow();
        w.window.setFocus();
        w.PressOnFocus(Qt::Key_E, Qt::ControlModifier);
        QVERIFY(spoken.isEmpty());
    }
    // The next window starts as the last one left it.
    SoundWindow again;
    QVERIFY(!again.Player()->On());
    again.window.SetMovesPanelOpen(true);
    QVERIFY(!again.Panel()->findChild<QCheckBox*>(QStringLiteral("sound"))->isChecked());
    again.window.SetSoundOn(true);
    QVERIFY(again.Panel()->findChild<QCheckBox*>(QStringLiteral("sound"))->isChecked());
}

void SoundWindowTest::eachSettledBalanceIsReadAloudOnceAskedFor() {
    SoundWindow w;
    QSignalSpy spoken(w.TheVoice(), &Voice::spoken);
    w.DropFromHigh();
    QVERIFY(spoken.isEmpty());
    w.window.SetMovesPanelOpen(true);
    w.Panel()->findChild<QCheckBox*>(QStringLiteral("speakBalances"))->click();
    w.DropFromHigh();
    QCOMPARE(spoken.size(), 1);
    QCOMPARE(spoken.last().at(0).toString(), QStringLiteral("X plus 4 is more than 5"));
}

QTEST_MAIN(SoundWindowTest)
#include "SoundWindowTest.moc"

// The pointer on the real widgets, offscreen, with Qt Test's mouse events: implicit capture,
// mouse tracking and the pointer tick reading where the pointer really is.
#include "WindowFixture.h"

#include <QApplication>
#include <QCursor>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>

using tarvelo::PieceKind;
using tarvelo::test::ClockedWindow;
using tarvelo::test::MoveHeld;

namespace {

// The window's own coordinates of a point given in scene pixels.
QPoint InWindow(QPoint scene) {
    return scene + QPoint(6, 62);
}

} // namespace

class PointerWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void dragACubeFromThePaletteOntoThePan();
    void dropsOutsideTheSceneAddNothing_data();
    void dropsOutsideTheSceneAddNothing();
    void thePaletteIndexIsTheKind_data();
    void thePaletteIndexIsTheKind();
    void dragAndDeleteInTheScene();
    void aRightPressOnXAsksForItsValue();
    void aRefusedAnswerSaysWhyAndChangesNothing();
    void thePointerTickUsesTheLastPointerEvent();
};

// Left press on a palette picture at `grab`, the pointer carried to `to` (window pixels) with
// the button down, released there, and the clock run so that the copy follows.
void CarryFromPalette(ClockedWindow& w, const char* picture, QPoint grab, QPoint to) {
    auto* img = w.child<QWidget>(picture);
    QTest::mouseMove(img, grab);
    QTest::mousePress(img, Qt::LeftButton, {}, grab);
    w.RunMs(20);
    const QPoint held = img->mapFrom(&w.window, to);
    MoveHeld(img, held); // captured by the palette picture: nothing happens
    w.RunMs(20);
    QTest::mouseRelease(img, Qt::LeftButton, {}, held);
    w.RunMs(20);
}

void PointerWindowTest::dragACubeFromThePaletteOntoThePan() {
    ClockedWindow w;
    auto& m = w.window.model();
    const QPoint target = InWindow(QPoint(200, 150));
    CarryFromPalette(w, "img5", QPoint(20, 20), target);
    QVERIFY(w.child<QWidget>("dragImg")->isVisible());
    QVERIFY(w.child<QWidget>("dragImgInt")->isVisible());
    QCOMPARE(m.scene.objCount(), 2); // nothing at the release itself

    // The first movement drops it where the copy stands.
    QTest::mouseMove(&w.window, target + QPoint(1, 0));
    QVERIFY(!w.child<QWidget>("dragImg")->isVisible());
    QCOMPARE(m.scene.objCount(), 3);
    QCOMPARE(m.scene.obj(3).objKind, PieceKind::kFive);
    QCOMPARE(m.scene.obj(3).objX, 200 - 20);
    QCOMPARE(m.scene.obj(3).objY, 150 - 20);

    w.RunMs(3000);
    QCOMPARE(m.scene.obj(3).objY + 40, m.scene.obj(1).objY);
    QCOMPARE(m.scene.obj(1).objY - m.scene.obj(2).objY, 18);
    QCOMPARE(w.child<QLabel>("lblEquazione")->text(), QStringLiteral("5 > 0"));
    QCOMPARE(w.child<QLabel>("lblComparison")->text(), QStringLiteral(">"));
}

void PointerWindowTest::dropsOutsideTheSceneAddNothing_data() {
    QTest::addColumn<QPoint>("grab");
    QTest::addColumn<QPoint>("to");
    // dragImgInt.Top is the pointer's scene y less the grab.
    QTest::newRow("top at 0") << QPoint(20, 20) << InWindow(QPoint(300, 20));
    QTest::newRow("over the palette") << QPoint(20, 20) << QPoint(500, 30);
    QTest::newRow("above the scene") << QPoint(10, 30) << InWindow(QPoint(300, 5));
}

void PointerWindowTest::dropsOutsideTheSceneAddNothing() {
    QFETCH(QPoint, grab);
    QFETCH(QPoint, to);
    ClockedWindow w;
    CarryFromPalette(w, "img3", grab, to);
    QTest::mouseMove(&w.window, to + QPoint(1, 0));
    QVERIFY(!w.child<QWidget>("dragImg")->isVisible());
    QVERIFY(!w.child<QWidget>("dragImgInt")->isVisible());
    QCOMPARE(w.window.model().scene.objCount(), 2);
}

void PointerWindowTest::thePaletteIndexIsTheKind_data() {
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("kind");
    QTest::newRow("smiley") << "img21" << 21;
    QTest::newRow("zero") << "img10" << 10;
    QTest::newRow("Y") << "img12" << 12;
}

void PointerWindowTest::thePaletteIndexIsTheKind() {
    QFETCH(QString, picture);
    QFETCH(int, kind);
    ClockedWindow w;
    const QPoint target = InWindow(QPoint(650, 100));
    CarryFromPalette(w, qPrintable(picture), QPoint(15, 15), target);
    QTest::mouseMove(&w.window, target + QPoint(0, 1));
    QCOMPARE(w.window.model().scene.objCount(), 3);
    QCOMPARE(tarvelo::KindNumber(w.window.model().scene.obj(3).objKind), kind);
}

void PointerWindowTest::dragAndDeleteInTheScene() {
    ClockedWindow w;
    auto& m = w.window.model();
    auto* scene = w.window.sceneCanvas();
    m.AddObject(PieceKind::kSeven, 100, 100);
    w.RunMs(2000);
    const QPoint on(m.scene.obj(3).objX + 10, m.scene.obj(3).objY + 10);

    // Hover frames it; a left press grabs it; the pointer carries it, even out of the scene.
    QTest::mouseMove(scene, on);
    QCOMPARE(m.pointer.selectedObj(), 3);
    QVERIFY(w.child<QWidget>("selObj")->isVisible());
    QTest::mousePress(scene, Qt::LeftButton, {}, on);
    QVERIFY(m.pointer.draggingObj());
    // The tick measures the pointer in the same pixels as the press: the piece moves exactly
    // as far as the pointer.
    MoveHeld(scene, QPoint(700, 100));
    w.RunMs(30);
    QCOMPARE(m.scene.obj(3).objX, 700 - 10);
    QCOMPARE(m.scene.obj(3).objY, 100 - 10);
    MoveHeld(scene, QPoint(700, -30)); // above the scene, over the palette
    w.RunMs(30);
    QCOMPARE(m.scene.obj(3).objY, -30 - 10);
    QTest::mouseRelease(scene, Qt::LeftButton, {}, QPoint(700, -30));
    QVERIFY(!m.pointer.draggingObj());

    // It falls onto the right pan, which goes down.
    w.RunMs(3000);
    QCOMPARE(m.scene.obj(3).objY + 40, m.scene.obj(2).objY);
    QCOMPARE(m.scene.obj(1).objY - m.scene.obj(2).objY, -26);

    // A right press deletes it; the pans come back level.
    const QPoint now(m.scene.obj(3).objX + 5, m.scene.obj(3).objY + 5);
    QTest::mouseMove(scene, now);
    QTest::mousePress(scene, Qt::RightButton, {}, now);
    QCOMPARE(m.scene.objCount(), 2);
    w.RunMs(3000);
    QCOMPARE(m.scene.obj(1).objY, m.scene.obj(2).objY);
    QVERIFY(!w.child<QWidget>("selObj")->isVisible());
}

void PointerWindowTest::aRightPressOnXAsksForItsValue() {
    ClockedWindow w;
    auto& m = w.window.model();
    m.scene.SetXYvalues(4, m.scene.yValue());
    m.AddObject(PieceKind::kX, 100, 100);
    QString title;
    QString label;
    QString offered;
    QString fieldName; // what a screen reader calls the field
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        title = dialog->windowTitle();
        label = dialog->labelText();
        offered = dialog->textValue();
        fieldName = dialog->findChild<QLineEdit*>()->accessibleName();
        dialog->setTextValue(QStringLiteral(" 6 "));
        dialog->accept();
    });
    QTest::mouseClick(w.child<QWidget>("img11"), Qt::RightButton);
    QCOMPARE(title, QStringLiteral("X"));
    QCOMPARE(label, QStringLiteral("X value\n(change or leave unchanged):"));
    QCOMPARE(offered, QStringLiteral("4"));
    QCOMPARE(fieldName, label);
    QCOMPARE(m.scene.xValue(), 6);
    QCOMPARE(m.scene.obj(3).objMass, 6.0f);
    QCOMPARE(m.scene.obj(3).objY, -200);
}

void PointerWindowTest::aRefusedAnswerSaysWhyAndChangesNothing() {
    ClockedWindow w;
    auto& m = w.window.model();
    m.scene.SetXYvalues(4, m.scene.yValue());
    m.AddObject(PieceKind::kX, 100, 100);
    QString message;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->setTextValue(QStringLiteral("6.5"));
        // The message comes up once the prompt has closed.
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            message = box->text();
            box->accept();
        });
        dialog->accept();
    });
    QTest::mouseClick(w.child<QWidget>("img11"), Qt::RightButton);
    QVERIFY2(message.contains(QStringLiteral("6.5")) && message.contains(QStringLiteral("0 to 9")),
             qPrintable(message));
    QCOMPARE(m.scene.xValue(), 4);
    QCOMPARE(m.scene.obj(3).objY, 100);

    // Cancelled, nothing changes and nothing is said.
    bool anyMessage = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QTimer::singleShot(0, [&] {
            anyMessage = QApplication::activeModalWidget() != nullptr;
            if (anyMessage) {
                QApplication::activeModalWidget()->close();
            }
        });
        dialog->reject();
    });
    QTest::mouseClick(w.child<QWidget>("img11"), Qt::RightButton);
    QVERIFY(!anyMessage);
    QCOMPARE(m.scene.xValue(), 4);
    QCOMPARE(m.scene.obj(3).objY, 100);
}

// The pointer tick takes the pointer where the last pointer event put it, without asking the
// display server where the cursor is.
void PointerWindowTest::thePointerTickUsesTheLastPointerEvent() {
    ClockedWindow w;
    auto* scene = w.window.sceneCanvas();
    QCursor::setPos(scene->mapToGlobal(QPoint(10, 10)));
    const QPointF at(300, 100);
    QMouseEvent move(QEvent::MouseMove, at, scene->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(scene, &move);
    w.RunMs(20);
    QCOMPARE(w.window.model().pointer.pointerX(), 300.0f);
    QCOMPARE(w.window.model().pointer.pointerY(), 100.0f);
}

QTEST_MAIN(PointerWindowTest)
#include "PointerWindowTest.moc"

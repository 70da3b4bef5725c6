// What a screen reader is told of the scene, on the real widgets offscreen: a reader that keeps
// what it read and follows the events ends, once the scene rests, reading every pan and piece as
// the model names them; a falling crowd is told a few times a second and at rest, each place
// once, never at every tick.
#include "WindowFixture.h"
#include "core/base/Rest.h"
#include "core/world/SceneNavigation.h"
#include "ui/accessibility/PieceNames.h"
#include "ui/accessibility/SceneAccessible.h"
#include "ui/window/AccessLayer.h"

#include <QAccessible>
#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <vector>

using tarvelo::kCubeSize;
using tarvelo::kLeftPan;
using tarvelo::kRightPan;
using tarvelo::Model;
using tarvelo::PieceKind;
using tarvelo::test::ClockedWindow;

namespace {

constexpr std::int64_t kTickMs = 10;
constexpr std::int64_t kSettleBudgetMs = 60000;
// How much higher in the air each piece dropped starts than the one before.
constexpr int kAirStep = 30;

// Each pan's name, then the names of its places in the list's order.
using PanReadings = std::array<QStringList, tarvelo::kPanCount>;

QAccessibleInterface* ListOfPans(ClockedWindow& w) {
    return QAccessible::queryAccessibleInterface(w.window.sceneCanvas())->child(0);
}

// The tree as read afresh, asking every interface.
PanReadings ReadAfresh(QAccessibleInterface* list) {
    PanReadings read;
    for (int p = 0; p < list->childCount(); ++p) {
        QAccessibleInterface* pan = list->child(p);
        read[static_cast<std::size_t>(p)] << pan->text(QAccessible::Name);
        for (int k = 0; k < pan->childCount(); ++k) {
            read[static_cast<std::size_t>(p)] << pan->child(k)->text(QAccessible::Name);
        }
    }
    return read;
}

// A screen reader that keeps what it read, as libatspi does for its clients: a name until it
// hears that the name changed, a pan's places as the events add and remove them.
class KeepingReader {
  public:
    explicit KeepingReader(QAccessibleInterface* list) : list_(list) {}

    PanReadings Read() {
        PanReadings read;
        for (int p = 0; p < list_->childCount(); ++p) {
            QAccessibleInterface* pan = list_->child(p);
            read[static_cast<std::size_t>(p)] << NameOf(QAccessible::uniqueId(pan));
            for (QAccessible::Id place : PlacesOf(pan)) {
                read[static_cast<std::size_t>(p)] << NameOf(place);
            }
        }
        return read;
    }

    void Hear(QAccessibleEvent* event, std::int64_t nowMs) {
        QAccessibleInterface* iface = event->accessibleInterface();
        QVERIFY(iface != nullptr && InList(iface));
        heardAtMs_.push_back(nowMs);
        ++heard_[event->type()];
        const QAccessible::Id id = QAccessible::uniqueId(iface);
        switch (event->type()) {
        case QAccessible::NameChanged:
            names_.erase(id);
            break;
        case QAccessible::ObjectCreated:
            Added(iface, id);
            break;
        case QAccessible::ObjectDestroyed:
            Removed(iface, id);
            break;
        case QAccessible::ObjectReorder:
            places_.erase(id);
            break;
        default:
            break;
        }
    }

    // The moments, in timer time, at which anything about the pans was told.
    std::set<std::int64_t> ToldAt(std::int64_t fromMs, std::int64_t toMs) const {
        std::set<std::int64_t> times;
        for (std::int64_t t : heardAtMs_) {
            if (t >= fromMs && t <= toMs) {
                times.insert(t);
            }
        }
        return times;
    }
    int Heard(QAccessible::Event type) const {
        const auto found = heard_.find(type);
        return found == heard_.end() ? 0 : found->second;
    }

  private:
    bool InList(QAccessibleInterface* iface) const {
        for (int up = 0; iface != nullptr && up < 3; ++up, iface = iface->parent()) {
            if (iface == list_) {
                return true;
            }
        }
        return false;
    }
    QString NameOf(QAccessible::Id id) {
        const auto kept = names_.find(id);
        if (kept != names_.end()) {
            return kept->second;
        }
        QAccessibleInterface* iface = QAccessible::accessibleInterface(id);
        const QString name =
            iface == nullptr ? QStringLiteral("<gone>") : iface->text(QAccessible::Name);
        names_[id] = name;
        return name;
    }
    std::vector<QAccessible::Id> PlacesOf(QAccessibleInterface* pan) {
        const QAccessible::Id id = QAccessible::uniqueId(pan);
        const auto kept = places_.find(id);
        if (kept != places_.end()) {
            return kept->second;
        }
        std::vector<QAccessible::Id> places;
        for (int k = 0; k < pan->childCount(); ++k) {
            places.push_back(QAccessible::uniqueId(pan->child(k)));
        }
        places_[id] = places;
        return places;
    }
    // As libatspi: put in at the index told, or forget the list when the index makes no sense.
    void Added(QAccessibleInterface* place, QAccessible::Id id) {
        QAccessibleInterface* pan = place->parent();
        const auto kept = places_.find(QAccessible::uniqueId(pan));
        if (kept == places_.end()) {
            return;
        }
        std::vector<QAccessible::Id>& places = kept->second;
        places.erase(std::remove(places.begin(), places.end(), id), places.end());
        const int at = pan->indexOfChild(place);
        if (at < 0 || at > static_cast<int>(places.size())) {
            places_.erase(kept);
            return;
        }
        places.insert(places.begin() + at, id);
    }
    void Removed(QAccessibleInterface* place, QAccessible::Id id) {
        const auto kept = places_.find(QAccessible::uniqueId(place->parent()));
        if (kept != places_.end()) {
            std::vector<QAccessible::Id>& places = kept->second;
            places.erase(std::remove(places.begin(), places.end(), id), places.end());
        }
    }

    QAccessibleInterface* list_;
    std::map<QAccessible::Id, QString> names_;
    std::map<QAccessible::Id, std::vector<QAccessible::Id>> places_;
    std::vector<std::int64_t> heardAtMs_;
    std::map<QAccessible::Event, int> heard_;
};

// A window whose scene is told to a reader that keeps what it read, as a reader on the
// accessibility bus would be told.
struct ReadWindow : ClockedWindow {
    ReadWindow() : list(ListOfPans(*this)), reader(list) {
        auto* layer = window.findChild<tarvelo::AccessLayer*>();
        QVERIFY(layer);
        layer->TellReaderThrough(
            [this](QAccessibleEvent* event) { reader.Hear(event, clock.NowMs()); });
    }
    QAccessibleInterface* list;
    KeepingReader reader;
    Model& model() { return window.model(); }
    // Runs the clock until the scene rests; the time of the scene's last change.
    std::optional<std::int64_t> Settle() {
        tarvelo::RestWatch rest;
        rest.AfterTick(model().Changes(), clock.NowMs());
        std::uint64_t scene = model().scene.Changes();
        std::int64_t sceneChangedMs = clock.NowMs();
        for (const std::int64_t end = clock.NowMs() + kSettleBudgetMs; clock.NowMs() < end;) {
            RunMs(kTickMs);
            if (model().scene.Changes() != scene) {
                scene = model().scene.Changes();
                sceneChangedMs = clock.NowMs();
            }
            if (rest.AfterTick(model().Changes(), clock.NowMs())) {
                return sceneChangedMs;
            }
        }
        return std::nullopt;
    }
    // Lets `ms` pass, the reader reading the whole tree at every multiple of `everyMs`.
    void RunReading(std::int64_t ms, std::int64_t everyMs) {
        for (const std::int64_t end = clock.NowMs() + ms; clock.NowMs() < end;) {
            RunMs(kTickMs);
            if (clock.NowMs() % everyMs == 0) {
                reader.Read();
            }
        }
    }
};

// Drops `count` pieces of `kinds` in turn over pan `pan`, in columns across it, each piece
// `step` pixels higher in the air than the one before, the first `lowest` pixels above the pan:
// each lands at a tick of its own.
void DropOver(Model& m, std::int32_t pan, const std::vector<PieceKind>& kinds, int count,
              int lowest, int step = kAirStep) {
    // A copy: adding pieces may move the table, and a reference into it with it.
    const tarvelo::SceneObject p = m.scene.obj(pan);
    const int columns = std::max(1, p.objW / kCubeSize.width);
    for (int n = 0; n < count; ++n) {
        const int column = n % columns;
        const int row = n / columns;
        const double x = p.objX + column * kCubeSize.width;
        const double y = p.objY - lowest - (n + 1) * step - (row + 1) * kCubeSize.height;
        m.AddObject(kinds[static_cast<std::size_t>(n) % kinds.size()], x, y);
    }
}

// The pieces a pan carries, lowest first.
std::vector<std::int32_t> PiecesOn(const Model& m, std::int32_t pan) {
    std::vector<std::int32_t> pieces;
    for (std::int32_t i = tarvelo::kFirstPiece; i <= m.scene.objCount(); ++i) {
        if (tarvelo::PlaceInStack(m.scene, i).pan == pan) {
            pieces.push_back(i);
        }
    }
    std::sort(pieces.begin(), pieces.end(), [&m](std::int32_t a, std::int32_t b) {
        return tarvelo::PlaceInStack(m.scene, a).level < tarvelo::PlaceInStack(m.scene, b).level;
    });
    return pieces;
}

QStringList Sorted(QStringList names) {
    names.sort();
    return names;
}

// The tree read afresh names each pan and each of its pieces as PanName and PieceName do.
void ExpectTreeNamesTheModel(const PanReadings& read, const Model& m) {
    for (std::int32_t pan : {kLeftPan, kRightPan}) {
        const QStringList& panRead = read[static_cast<std::size_t>(pan - kLeftPan)];
        QVERIFY(!panRead.isEmpty());
        QCOMPARE(panRead.front(), tarvelo::PanName(m.scene, pan));
        QStringList pieces;
        for (std::int32_t i : PiecesOn(m, pan)) {
            pieces << tarvelo::PieceName(m.scene, i, m.controls.showSolution());
        }
        QCOMPARE(Sorted(panRead.mid(1)), Sorted(pieces));
    }
}

const std::vector<PieceKind> kMixedKinds = {PieceKind::kX,      PieceKind::kFive, PieceKind::kThree,
                                            PieceKind::kSmiley, PieceKind::kNine, PieceKind::kY};

} // namespace

class ReaderWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void aKeepingReaderEndsReadingTheSceneAtRest();
    void aFallingCrowdIsToldAFewTimesASecondAndAtRest();
};

void ReaderWindowTest::aKeepingReaderEndsReadingTheSceneAtRest() {
    // Each case starts from six pieces resting on each pan, read whole by the reader; while it
    // plays, the reader reads again every few ticks, so that it keeps names that go stale.
    const struct {
        const char* name;
        std::function<void(ReadWindow&)> act;
    } cases[] = {
        {"more pieces fall onto both pans",
         [](ReadWindow& w) {
             DropOver(w.model(), kLeftPan, kMixedKinds, 5, 0);
             DropOver(w.model(), kRightPan, {PieceKind::kSeven, PieceKind::kX}, 3, kAirStep);
             w.RunReading(1500, 30);
         }},
        {"the lowest pieces deleted, those above falling after them",
         [](ReadWindow& w) {
             for (std::int32_t pan : {kRightPan, kLeftPan}) {
                 w.model().RemoveBlock(PiecesOn(w.model(), pan).front());
                 w.RunReading(40, 20);
             }
             w.RunReading(800, 30);
         }},
        {"a pan's count changing several times within one telling",
         [](ReadWindow& w) {
             Model& m = w.model();
             m.RemoveBlock(PiecesOn(m, kLeftPan).back());
             w.RunReading(20, 10);
             m.RemoveBlock(PiecesOn(m, kLeftPan).back());
             w.RunReading(20, 10);
             DropOver(m, kLeftPan, {PieceKind::kY}, 1, 0);
             w.RunReading(30, 10);
             m.RemoveBlock(PiecesOn(m, kLeftPan).back());
             m.RemoveBlock(PiecesOn(m, kRightPan).back());
             w.RunReading(30, 10);
             DropOver(m, kLeftPan, {PieceKind::kTwo, PieceKind::kFour}, 2, 0);
             w.RunReading(400, 20);
         }},
        {"every piece removed, then new ones in the same places",
         [](ReadWindow& w) {
             Model& m = w.model();
             while (m.scene.objCount() > tarvelo::kPanCount) {
                 m.RemoveBlock(m.scene.objCount());
                 w.RunReading(10, 10);
             }
             w.RunReading(300, 50);
             DropOver(m, kLeftPan, {PieceKind::kEight, PieceKind::kSmiley, PieceKind::kOne}, 3, 0);
             DropOver(m, kRightPan, {PieceKind::kSix}, 2, 0);
             w.RunReading(800, 30);
         }},
        {"the solution shown, hidden and shown again between two tellings, read meanwhile by "
         "another reader and by the one that keeps what it read",
         [](ReadWindow& w) {
             w.RunMs(tarvelo::kReaderPaceMs); // so that the next change is told at once
             w.window.ToggleSolution();
             w.RunMs(kTickMs);
             ReadAfresh(w.list);
             w.window.ToggleSolution();
             w.RunMs(kTickMs);
             w.reader.Read();
             w.window.ToggleSolution();
         }},
    };
    for (const auto& c : cases) {
        ReadWindow w;
        DropOver(w.model(), kLeftPan, kMixedKinds, 6, 0);
        DropOver(w.model(), kRightPan, {PieceKind::kOne, PieceKind::kTwo, PieceKind::kX}, 6, 0);
        QVERIFY(w.Settle());
        const PanReadings before = w.reader.Read();
        QVERIFY2(before[0].size() > 1 && before[1].size() > 1, c.name);

        c.act(w);
        QVERIFY2(w.Settle(), c.name);

        const PanReadings kept = w.reader.Read();
        const PanReadings afresh = ReadAfresh(w.list);
        for (std::size_t p = 0; p < afresh.size(); ++p) {
            QVERIFY2(kept[p] == afresh[p],
                     qPrintable(QStringLiteral("%1: the reader keeps \"%2\", the tree reads \"%3\"")
                                    .arg(QString::fromLatin1(c.name), kept[p].join(" | "),
                                         afresh[p].join(" | "))));
        }
        ExpectTreeNamesTheModel(afresh, w.model());
        if (QTest::currentTestFailed()) {
            return;
        }
        QVERIFY2(afresh != before, c.name); // the case changed what there is to read
    }
}

void ReaderWindowTest::aFallingCrowdIsToldAFewTimesASecondAndAtRest() {
    ReadWindow w;
    Model& m = w.model();
    KeepingReader& reader = w.reader;
    reader.Read();
    // Forty pieces a pan, up to about 3000 pixels in the air: they land one after another for
    // more than a second, so the pans' lists change at many ticks.
    constexpr int kPiecesAPan = 40;
    constexpr int kCrowdStep = 70;
    DropOver(m, kLeftPan, kMixedKinds, kPiecesAPan, 0, kCrowdStep);
    DropOver(m, kRightPan, {PieceKind::kFour, PieceKind::kY, PieceKind::kEight}, kPiecesAPan,
             kCrowdStep / 2, kCrowdStep);

    constexpr std::int64_t kSecondMs = 1000;
    constexpr std::int64_t kReadEveryMs = 100;
    const std::int64_t start = w.clock.NowMs();
    std::array<std::size_t, tarvelo::kPanCount> counts{};
    int ticksWithNewCounts = 0;
    while (w.clock.NowMs() < start + kSecondMs) {
        w.RunReading(kTickMs, kReadEveryMs);
        const std::array<std::size_t, tarvelo::kPanCount> now{PiecesOn(m, kLeftPan).size(),
                                                              PiecesOn(m, kRightPan).size()};
        ticksWithNewCounts += now != counts ? 1 : 0;
        counts = now;
    }
    QVERIFY2(ticksWithNewCounts >= 20, "the pans' lists did not change often enough to tell");

    // While it falls: a few tellings a second, each at least the pace after the one before.
    const std::set<std::int64_t> told = reader.ToldAt(start, start + kSecondMs);
    QVERIFY(!told.empty());
    QVERIFY2(static_cast<std::int64_t>(told.size()) <= kSecondMs / tarvelo::kReaderPaceMs + 1,
             qPrintable(QStringLiteral("told at %1 moments in a second").arg(told.size())));
    for (auto next = std::next(told.begin()); next != told.end(); ++next) {
        QVERIFY(*next - *std::prev(next) >= tarvelo::kReaderPaceMs);
    }

    // At rest: the reader reads the crowd as it lies, though it kept what it read meanwhile.
    const std::optional<std::int64_t> lastChangeMs = w.Settle();
    QVERIFY(lastChangeMs);
    QVERIFY2(*lastChangeMs > start + kSecondMs, "the crowd came to rest within the second");
    const PanReadings afresh = ReadAfresh(w.list);
    QCOMPARE(reader.Read(), afresh);
    ExpectTreeNamesTheModel(afresh, m);
    // Each place was told once as it came, and no whole pan was told over again.
    QCOMPARE(reader.Heard(QAccessible::ObjectCreated),
             static_cast<int>(afresh[0].size() + afresh[1].size()) - tarvelo::kPanCount);
    QCOMPARE(reader.Heard(QAccessible::ObjectDestroyed), 0);
    QCOMPARE(reader.Heard(QAccessible::ObjectReorder), 0);
}

QTEST_MAIN(ReaderWindowTest)
#include "ReaderWindowTest.moc"

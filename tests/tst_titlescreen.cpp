#include "model/malvora1.h"
#include "shell/backform.h"
#include "shell/forms.h"
#include "shell/program.h"
#include "shell/titlform.h"
#include "windows/clicklabel.h"
#include "windows/formlayout.h"
#include "windows/main/form1.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

namespace
{

// Counts how often a window comes up.
struct ShowCounter : QObject {
    explicit ShowCounter(QWidget *window) : QObject(window) { window->installEventFilter(this); }
    int shows = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        shows += event->type() == QEvent::Show;
        return false;
    }
};

// The index of the one title shown, -1 for none, -2 for more than one.
int shownTitle(const titlform &title)
{
    int shown = -1;
    for (int index = 0; index < 5; ++index)
        if (title.Label1[index]->isVisible()) shown = shown == -1 ? index : -2;
    return shown;
}

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, quint64 time)
{
    const Qt::MouseButtons buttons =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton, buttons, Qt::NoModifier);
    event.setTimestamp(time);
    QApplication::sendEvent(widget, &event);
}

// A point of the title screen that no label covers.
QPoint emptyCorner()
{
    return twips(10400, 6900, 0, 0).topLeft();
}

// A click, or a double-click as the user makes it: press, release, press, double-click, release.
void click(QWidget *widget, QPoint pos, bool twice)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    if (!twice) return;
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// What the user does to the title screen.
using Gesture = std::function<void(titlform &)>;

} // namespace

Q_DECLARE_METATYPE(Gesture)

class tst_TitleScreen : public QObject
{
    Q_OBJECT

    int m_ended = 0;

    Form1 *main = nullptr; // created first, as the program starts
    backform *backdrop = nullptr;
    titlform *title = nullptr;

  private slots:
    void init()
    {
        MALVORA1::clear();
        restartRnd();
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
        main = &Forms::form<Form1>();
        backdrop = &Forms::form<backform>();
        title = &Forms::form<titlform>();
    }
    void cleanup() { Forms::unloadAll(); }

    void startShowsBackdropAndTitleOnly()
    {
        QVERIFY(QTest::qWaitForWindowActive(title));
        QCOMPARE(shownTitle(*title), -1); // only the red box before the first tick
        QVERIFY(title->Label2->isVisible() && title->Timer1->isActive());
        for (int tick = 0; tick < 5; ++tick)
            title->Timer1_Timer();
        QVERIFY(backdrop->isVisible() && title->isVisible() && !main->isVisible());
        QCOMPARE(m_ended, 0);
    }

    void dismiss_data()
    {
        QTest::addColumn<Gesture>("gesture");
        QTest::addColumn<bool>("dismisses");
        auto key = [](const char *name, Qt::Key key, Qt::KeyboardModifiers mods, bool dismisses) {
            QTest::newRow(name) << Gesture([=](titlform &) {
                QTest::keyClick(QApplication::focusWidget(), key, mods);
            }) << dismisses;
        };
        key("Enter", Qt::Key_Return, {}, true);
        key("Esc", Qt::Key_Escape, {}, true);
        key("Backspace", Qt::Key_Backspace, {}, true);
        key("letter a", Qt::Key_A, {}, true);
        key("space", Qt::Key_Space, {}, true);
        key("Ctrl+C", Qt::Key_C, Qt::ControlModifier, true);
        key("Left arrow", Qt::Key_Left, {}, false);
        key("F1", Qt::Key_F1, {}, false);
        key("Shift alone", Qt::Key_Shift, {}, false);

        using Target = QWidget *(*)(titlform &);
        const std::pair<const char *, Target> targets[] = {
            {"the window", [](titlform &t) -> QWidget * { return &t; }},
            {"the shown title", [](titlform &t) -> QWidget * { return t.Label1[shownTitle(t)]; }},
            {"the red box", [](titlform &t) -> QWidget * { return t.Label2; }}};
        for (const auto &[name, target] : targets)
            for (bool twice : {false, true})
                QTest::addRow("%s %s", twice ? "double-click on" : "click on", name)
                    << Gesture([target = target, twice](titlform &t) {
                           QWidget *widget = target(t);
                           click(widget, widget == &t ? emptyCorner() : widget->rect().center(),
                                 twice);
                       })
                    << true;
    }

    // The main window comes up once, with Run focused; the backdrop stays.
    void dismiss()
    {
        QFETCH(Gesture, gesture);
        QFETCH(bool, dismisses);
        auto *counter = new ShowCounter(main);
        QVERIFY(QTest::qWaitForWindowActive(title));
        title->Timer1_Timer();
        gesture(*title);
        QCOMPARE(title->isVisible(), !dismisses);
        QCOMPARE(main->isVisible(), dismisses);
        QCOMPARE(counter->shows, dismisses ? 1 : 0);
        QVERIFY(backdrop->isVisible());
        QCOMPARE(m_ended, 0);
        if (!dismisses) return;
        QVERIFY(QTest::qWaitForWindowActive(main));
        QCOMPARE(QApplication::focusWidget(), main->Command2);
    }

    // The main window comes up where the title was: the second click of the
    // double-click that dismissed the title must not press its Run button.
    void restOfDoubleClickMissesTheMainWindow()
    {
        QVERIFY(QTest::qWaitForWindowExposed(title));
        QSignalSpy runs(main->Command2, &QPushButton::clicked);
        const QPoint onRun = main->Command2->rect().center();
        const quint64 t0 = 5'000'000;
        sendMouse(title, QEvent::MouseButtonPress, emptyCorner(), t0);
        sendMouse(title, QEvent::MouseButtonRelease, emptyCorner(), t0 + 60);
        QVERIFY(main->isVisible());
        sendMouse(main->Command2, QEvent::MouseButtonPress, onRun, t0 + 150);
        sendMouse(main->Command2, QEvent::MouseButtonDblClick, onRun, t0 + 150);
        sendMouse(main->Command2, QEvent::MouseButtonRelease, onRun, t0 + 200);
        QCOMPARE(runs.count(), 0);

        // A click of its own, later, presses Run as always.
        const quint64 later = t0 + 560 + QGuiApplication::styleHints()->mouseDoubleClickInterval();
        sendMouse(main->Command2, QEvent::MouseButtonPress, onRun, later);
        sendMouse(main->Command2, QEvent::MouseButtonRelease, onRun, later + 80);
        QCOMPARE(runs.count(), 1);
    }

    void closingTheTitleBringsUpTheMainWindow()
    {
        QVERIFY(!title->close());
        QVERIFY(!title->isVisible() && main->isVisible());
        QCOMPARE(m_ended, 0);
    }

    // One title after every tick, never the first place first, never the same twice in a
    // row, and the generator's fixed start on every run.
    void titleMovesOnEveryTick()
    {
        std::vector<int> runs[2];
        for (std::vector<int> &sequence : runs) {
            cleanup();
            init();
            for (int tick = 0; tick < 200; ++tick) {
                title->Timer1_Timer();
                sequence.push_back(shownTitle(*title));
            }
        }
        const std::vector<int> &sequence = runs[0];
        QCOMPARE(runs[1], sequence);
        QVERIFY(sequence.front() != 0);
        for (std::size_t tick = 0; tick < sequence.size(); ++tick) {
            QVERIFY2(sequence[tick] >= 0, "exactly one title is shown after every tick");
            if (tick > 0) QVERIFY(sequence[tick] != sequence[tick - 1]);
        }
        const std::vector<int> expected = {3, 1, 4, 3, 1, 4, 1, 3, 1, 0, 2, 1, 2, 4, 1, 3, 4, 0};
        QCOMPARE(std::vector<int>(sequence.begin(), sequence.begin() + 18), expected);
    }

    void backdropIsDarkAndTakesNoInput()
    {
        QVERIFY(QTest::qWaitForWindowExposed(backdrop));
        QVERIFY(!backdrop->isEnabled());
        QCOMPARE(backdrop->grab().toImage().pixelColor(5, 5), bgr(0x400000));
        QTest::mouseClick(backdrop, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(title->isVisible() && !main->isVisible());
        QVERIFY(!backdrop->close());
        QVERIFY(backdrop->isVisible());
    }
};

QTEST_MAIN(tst_TitleScreen)
#include "tst_titlescreen.moc"

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

#include <vector>

static int shownTitle(const titlform &title) // the one shown, -1 for none, -2 for more
{
    int shown = -1;
    for (int index = 0; index < 5; ++index)
        if (title.Label1[index]->isVisible()) shown = shown == -1 ? index : -2;
    return shown;
}

static void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, quint64 time)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
    event.setTimestamp(time);
    QApplication::sendEvent(widget, &event);
}

static const auto emptyCorner = [] { return twips(10400, 6900, 0, 0).topLeft(); }; // no label

class tst_TitleScreen : public QObject
{
    Q_OBJECT

    int m_ended = 0, m_mainShows = 0;
    Form1 *main = nullptr; // created first, as the program starts
    backform *backdrop = nullptr;
    titlform *title = nullptr;

  private slots:
    void init()
    {
        MALVORA1::clear();
        restartRnd();
        m_ended = m_mainShows = 0;
        Program::setEndHandler([&] { ++m_ended; });
        main = &Forms::form<Form1>();
        main->installEventFilter(this);
        backdrop = &Forms::form<backform>();
        title = &Forms::form<titlform>();
    }
    void cleanup() { Forms::unloadAll(); }

    // A dark backdrop that takes no input, the title screen over it, and no main window.
    void startShowsBackdropAndTitleOnly()
    {
        QVERIFY(QTest::qWaitForWindowActive(title));
        QCOMPARE(shownTitle(*title), -1); // only the red box before the first tick
        QVERIFY(title->Label2->isVisible() && title->Timer1->isActive() && !backdrop->isEnabled());
        QCOMPARE(backdrop->grab().toImage().pixelColor(5, 5), bgr(0x400000));
        QTest::mouseClick(backdrop, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!backdrop->close() && backdrop->isVisible());
        QVERIFY(title->isVisible() && !main->isVisible() && !m_ended);
    }

    void dismiss_data()
    {
        QTest::addColumn<QKeySequence>("key"); // none for a click
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("dismisses");
        auto key = [](const char *name, QKeySequence key, bool dismisses) {
            QTest::newRow(name) << key << QString() << 0 << dismisses;
        };
        // clang-format off
        key("Enter", Qt::Key_Return, true); key("Esc", Qt::Key_Escape, true); key("Backspace", Qt::Key_Backspace, true);
        key("letter a", Qt::Key_A, true); key("space", Qt::Key_Space, true); key("Ctrl+C", Qt::CTRL | Qt::Key_C, true);
        key("Left arrow", Qt::Key_Left, false); key("F1", Qt::Key_F1, false); key("Shift alone", Qt::Key_Shift, false);
        // clang-format on
        for (const char *target : {"window", "shown title", "red box"})
            for (int clicks : {1, 2})
                QTest::addRow("%s on the %s", clicks == 2 ? "double-click" : "click", target)
                    << QKeySequence() << QString(target) << clicks << true;
        QTest::newRow("close box") << QKeySequence() << "close box" << 0 << true;
    }

    // The main window comes up once, with Run focused; the backdrop stays.
    void dismiss()
    {
        QFETCH(QKeySequence, key);
        QFETCH(QString, target);
        QFETCH(int, clicks);
        QFETCH(bool, dismisses);
        QVERIFY(QTest::qWaitForWindowActive(title));
        title->Timer1_Timer();
        QWidget *w = target == "window"    ? static_cast<QWidget *>(title)
                     : target == "red box" ? title->Label2
                                           : title->Label1[shownTitle(*title)];
        const QPoint pos = w == title ? emptyCorner() : w->rect().center();
        QTest::keySequence(QApplication::focusWidget(), key);
        if (target == "close box") QVERIFY(!title->close());
        for (int click = 0; click < clicks; ++click) {
            QTest::mousePress(w, Qt::LeftButton, {}, pos); // a double-click as the user makes it
            if (click) QTest::mouseDClick(w, Qt::LeftButton, {}, pos);
            QTest::mouseRelease(w, Qt::LeftButton, {}, pos);
        }
        QCOMPARE(m_mainShows, dismisses ? 1 : 0);
        QVERIFY(backdrop->isVisible() && title->isVisible() != dismisses && !m_ended);
        if (!dismisses) return;
        QVERIFY(QTest::qWaitForWindowActive(main));
        QCOMPARE(QApplication::focusWidget(), main->Command2);
    }

    // The second click of the double-click that dismissed the title must not press Run.
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
        const quint64 later = t0 + 560 + QGuiApplication::styleHints()->mouseDoubleClickInterval();
        sendMouse(main->Command2, QEvent::MouseButtonPress, onRun, later);
        sendMouse(main->Command2, QEvent::MouseButtonRelease, onRun, later + 80);
        QCOMPARE(runs.count(), 1); // a click of its own presses Run
    }

    // One title after every tick, never the same twice in a row, the same places on every start.
    void titleMovesOnEveryTick()
    {
        std::vector<int> runs[2];
        for (std::vector<int> &sequence : runs) {
            cleanup();
            init();
            for (int tick = 0; tick < 200; ++tick, sequence.push_back(shownTitle(*title)))
                title->Timer1_Timer();
        }
        QCOMPARE(runs[1], runs[0]);
        for (std::size_t tick = 0; tick < runs[0].size(); ++tick)
            QVERIFY(runs[0][tick] >= 0 && (tick == 0 || runs[0][tick] != runs[0][tick - 1]));
        QVERIFY(!main->isVisible()); // ticks alone never bring the main window
        const std::vector<int> expected = {3, 1, 4, 3, 1, 4, 1, 3, 1, 0, 2, 1, 2, 4, 1, 3, 4, 0};
        QCOMPARE(std::vector<int>(runs[0].begin(), runs[0].begin() + 18), expected);
    }

  protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_mainShows += event->type() == QEvent::Show;
        return false;
    }
};

QTEST_MAIN(tst_TitleScreen)
#include "tst_titlescreen.moc"

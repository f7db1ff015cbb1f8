#include "model/malvora1.h"
#include "shell/backform.h"
#include "shell/forms.h"
#include "shell/program.h"
#include "shell/titlform.h"
#include "windows/clicklabel.h"
#include "windows/formlayout.h"
#include "windows/main/form1.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include <array>
#include <vector>

namespace
{

// Counts how often a window comes up.
class ShowCounter : public QObject
{
  public:
    explicit ShowCounter(QWidget *window) : QObject(window) { window->installEventFilter(this); }
    int shows = 0;

  protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) ++shows;
        return false;
    }
};

// The index of the one title shown, -1 for none, -2 for more than one.
int shownTitle(const titlform &title)
{
    int shown = -1;
    for (int index = 0; index < 5; ++index) {
        if (title.Label1[index]->isVisible()) shown = shown == -1 ? index : -2;
    }
    return shown;
}

std::vector<int> titleSequence(titlform &title, int ticks)
{
    std::vector<int> sequence;
    for (int tick = 0; tick < ticks; ++tick) {
        title.Timer1_Timer();
        sequence.push_back(shownTitle(title));
    }
    return sequence;
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

enum Target { Window, HiddenTitle, ShownTitle, Prompt };
enum Action { Click, DoubleClick, DoubleClickAlone };

bool isYellow(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 80;
}

int yellowPixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += isYellow(image.pixel(x, y));
    return count;
}

} // namespace

class tst_TitleScreen : public QObject
{
    Q_OBJECT

  private:
    int m_ended = 0;

    struct Start {
        Form1 &main;
        backform &backdrop;
        titlform &title;
    };
    static Start start()
    {
        Form1 &main = Forms::form<Form1>();
        return {main, Forms::form<backform>(), Forms::form<titlform>()};
    }

  private slots:
    void init()
    {
        MALVORA1::clear();
        restartRnd();
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
    }
    void cleanup() { Forms::unloadAll(); }

    void startShowsBackdropAndTitleOnly()
    {
        auto [main, backdrop, title] = start();
        QVERIFY(backdrop.isVisible());
        QVERIFY(title.isVisible());
        QVERIFY(!main.isVisible());
        QVERIFY(title.Label2->isVisible());
        QCOMPARE(shownTitle(title), -1);
        QCOMPARE(title.Timer1->interval(), 1000);
        QVERIFY(title.Timer1->isActive());
        for (int tick = 0; tick < 5; ++tick)
            title.Timer1_Timer();
        QVERIFY(backdrop.isVisible());
        QVERIFY(title.isVisible());
        QVERIFY(!main.isVisible());
        QVERIFY(title.Label2->isVisible());
        QCOMPARE(m_ended, 0);
    }

    void titleTakesTheKeyboard()
    {
        auto [main, backdrop, title] = start();
        QVERIFY(QTest::qWaitForWindowActive(&title));
        QCOMPARE(QApplication::activeWindow(), &title);
    }

    void keys_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("dismisses");
        QTest::addRow("Enter") << Qt::Key_Return << Qt::KeyboardModifiers() << true;
        QTest::addRow("Esc") << Qt::Key_Escape << Qt::KeyboardModifiers() << true;
        QTest::addRow("Backspace") << Qt::Key_Backspace << Qt::KeyboardModifiers() << true;
        QTest::addRow("letter a") << Qt::Key_A << Qt::KeyboardModifiers() << true;
        QTest::addRow("space") << Qt::Key_Space << Qt::KeyboardModifiers() << true;
        QTest::addRow("Ctrl+C") << Qt::Key_C << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::addRow("Left arrow") << Qt::Key_Left << Qt::KeyboardModifiers() << false;
        QTest::addRow("F1") << Qt::Key_F1 << Qt::KeyboardModifiers() << false;
        QTest::addRow("Shift alone") << Qt::Key_Shift << Qt::KeyboardModifiers() << false;
    }

    void keys()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, dismisses);
        auto [main, backdrop, title] = start();
        auto *counter = new ShowCounter(&main);
        QVERIFY(QTest::qWaitForWindowActive(&title));
        title.Timer1_Timer();
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        QCOMPARE(title.isVisible(), !dismisses);
        QCOMPARE(main.isVisible(), dismisses);
        QCOMPARE(counter->shows, dismisses ? 1 : 0);
        QVERIFY(backdrop.isVisible());
        if (dismisses) {
            QVERIFY(QTest::qWaitForWindowActive(&main));
            QCOMPARE(QApplication::focusWidget(), main.Command2);
        }
    }

    void clicks_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("action");
        const std::pair<const char *, Target> targets[] = {
            {"the window", Window},
            {"where a hidden title lies", HiddenTitle},
            {"the shown title", ShownTitle},
            {"the red box", Prompt}};
        const std::pair<const char *, Action> actions[] = {
            {"click on", Click},
            {"double-click on", DoubleClick},
            {"double-click notice alone on", DoubleClickAlone}};
        for (const auto &[actionName, action] : actions)
            for (const auto &[targetName, target] : targets)
                QTest::addRow("%s %s", actionName, targetName) << int(target) << int(action);
    }

    void clicks()
    {
        QFETCH(int, target);
        QFETCH(int, action);
        auto [main, backdrop, title] = start();
        auto *counter = new ShowCounter(&main);
        QVERIFY(QTest::qWaitForWindowExposed(&title));

        QWidget *widget = &title;
        QPoint pos = emptyCorner();
        switch (target) {
        case Window:
            break;
        case HiddenTitle: // Label1(3) is hidden before the first tick
            pos = title.Label1[3]->geometry().center();
            QCOMPARE(title.childAt(pos), nullptr);
            break;
        case ShownTitle:
            title.Timer1_Timer();
            widget = title.Label1[shownTitle(title)];
            pos = {};
            break;
        case Prompt:
            widget = title.Label2;
            pos = {};
            break;
        }

        switch (action) {
        case Click:
            QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
            break;
        case DoubleClick: // as the user makes it: press, release, press, double-click, release
            QTest::mousePress(widget, Qt::LeftButton, {}, pos);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
            QTest::mousePress(widget, Qt::LeftButton, {}, pos);
            QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
            break;
        case DoubleClickAlone:
            QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
            break;
        }

        QVERIFY(!title.isVisible());
        QVERIFY(main.isVisible());
        QCOMPARE(counter->shows, 1);
        QVERIFY(backdrop.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QCOMPARE(QApplication::focusWidget(), main.Command2);
        QCOMPARE(m_ended, 0);
    }

    // The main window comes up where the title was: the second click of the
    // double-click that dismissed the title must not press its Run button.
    void restOfDoubleClickMissesTheMainWindow()
    {
        auto [main, backdrop, title] = start();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        QSignalSpy runs(main.Command2, &QPushButton::clicked);
        const QPoint onTitle = emptyCorner();
        const QPoint onRun = main.Command2->rect().center();
        const quint64 interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
        const quint64 t0 = 5'000'000;

        sendMouse(&title, QEvent::MouseButtonPress, onTitle, t0);
        sendMouse(&title, QEvent::MouseButtonRelease, onTitle, t0 + 60);
        QVERIFY(main.isVisible());
        sendMouse(main.Command2, QEvent::MouseButtonPress, onRun, t0 + 150);
        sendMouse(main.Command2, QEvent::MouseButtonDblClick, onRun, t0 + 150);
        sendMouse(main.Command2, QEvent::MouseButtonRelease, onRun, t0 + 200);
        QCOMPARE(runs.count(), 0);

        // A click of its own, later, presses Run as always.
        const quint64 later = t0 + 60 + interval + 500;
        sendMouse(main.Command2, QEvent::MouseButtonPress, onRun, later);
        sendMouse(main.Command2, QEvent::MouseButtonRelease, onRun, later + 80);
        QCOMPARE(runs.count(), 1);
    }

    void closingTheTitleBringsUpTheMainWindow()
    {
        auto [main, backdrop, title] = start();
        QVERIFY(!title.close());
        QVERIFY(!title.isVisible());
        QVERIFY(main.isVisible());
        QVERIFY(Forms::isLoaded<titlform>());
        QCOMPARE(m_ended, 0);
    }

    void titleMovesOnEveryTick()
    {
        auto [main, backdrop, title] = start();
        const std::vector<int> sequence = titleSequence(title, 200);
        QVERIFY(sequence.front() != 0);
        for (std::size_t tick = 0; tick < sequence.size(); ++tick) {
            QVERIFY2(sequence[tick] >= 0, "exactly one title is shown after every tick");
            if (tick > 0) QVERIFY(sequence[tick] != sequence[tick - 1]);
        }
        QCOMPARE(int(MALVORA1::CurLabel), sequence.back());
        QCOMPARE(int(MALVORA1::PrevLabel), sequence.back());
        QVERIFY(title.Label2->isVisible());
    }

    /*
     * Places 1 to 3 are drawn with probability 1/4, places 0 and 4 with 1/8.
     * A draw of the place already shown is drawn again, so over many ticks
     * place k is shown in the proportion p(k)(1 - p(k)), normalized:
     * 7/50 for 0 and 4, 12/50 for 1 to 3.
     */
    void titlePlacesFollowTheirOdds()
    {
        auto [main, backdrop, title] = start();
        const int ticks = 5000;
        std::array<int, 5> counts{};
        for (int place : titleSequence(title, ticks))
            ++counts[place];
        const double expected[] = {7. / 50, 12. / 50, 12. / 50, 12. / 50, 7. / 50};
        for (int place = 0; place < 5; ++place)
            QVERIFY2(qAbs(double(counts[place]) / ticks - expected[place]) < 0.02,
                     qPrintable(
                         QStringLiteral("place %1 shown %2 times").arg(place).arg(counts[place])));
    }

    void titleSequenceIsTheSameOnEveryRun()
    {
        const std::vector<int> firstRun = titleSequence(start().title, 40);
        Forms::unloadAll();
        MALVORA1::clear();
        restartRnd();
        const std::vector<int> secondRun = titleSequence(start().title, 40);
        QCOMPARE(secondRun, firstRun);
        // The generator's fixed start, as every run of the program shows it.
        const std::vector<int> expected = {3, 1, 4, 3, 1, 4, 1, 3, 1, 0,
                                           2, 1, 2, 4, 1, 3, 4, 0, 2, 3};
        QCOMPARE(std::vector<int>(firstRun.begin(), firstRun.begin() + int(expected.size())),
                 expected);
    }

    void titleLooksRight()
    {
        auto [main, backdrop, title] = start();
        QVERIFY(QTest::qWaitForWindowExposed(&title));
        QCOMPARE(title.size(), twips(0, 0, 10635, 7050).size());
        QVERIFY(title.windowFlags() & Qt::FramelessWindowHint);
        const QRect screen = title.screen()->availableGeometry();
        QVERIFY(qAbs(title.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(title.geometry().center().y() - screen.center().y()) <= 1);

        title.Timer1_Timer();
        const QImage image = title.grab().toImage();
        const QColor darkBlue = bgr(0x400000);
        QCOMPARE(image.pixelColor(emptyCorner()), darkBlue);

        // The title: yellow letters straight on the dark blue.
        const QLabel *shown = title.Label1[shownTitle(title)];
        const QImage letters = image.copy(shown->geometry());
        QVERIFY(yellowPixels(letters) > 100);
        const int emptyX = shown->alignment() & Qt::AlignRight ? 2 : letters.width() - 3;
        QCOMPARE(letters.pixelColor(emptyX, letters.height() / 2), darkBlue);

        // The prompt: yellow on red, with the pointing hand.
        const QImage prompt = image.copy(title.Label2->geometry());
        QCOMPARE(prompt.pixelColor(3, prompt.height() - 3), bgr(0x0000FF));
        QVERIFY(yellowPixels(prompt) > 20);
        QCOMPARE(title.Label2->cursor().hotSpot(), QPoint(12, 1));
    }

    void backdropLiesBehindAndTakesNoInput()
    {
        auto [main, backdrop, title] = start();
        QVERIFY(QTest::qWaitForWindowExposed(&backdrop));
        QVERIFY(backdrop.isVisible());
        QVERIFY(!backdrop.isEnabled());
        QCOMPARE(backdrop.geometry(), backdrop.screen()->geometry());
        const QImage image = backdrop.grab().toImage();
        QCOMPARE(image.pixelColor(5, 5), bgr(0x400000));
        QCOMPARE(image.pixelColor(image.width() - 5, image.height() - 5), bgr(0x400000));

        QTest::mouseClick(&backdrop, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(title.isVisible());
        QVERIFY(!main.isVisible());
        QVERIFY(!backdrop.close());
        QVERIFY(backdrop.isVisible());
    }
};

QTEST_MAIN(tst_TitleScreen)
#include "tst_titlescreen.moc"

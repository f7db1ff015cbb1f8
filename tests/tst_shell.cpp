#include "driving.h"
#include "forms/language.h"
#include "forms/platform.h"
#include "model/clock.h"
#include "model/settingsfile.h"
#include "output/commandline.h"
#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"
#include "widgets/linelabel.h"
#include "widgets/zoom.h"
#include "windows/backform.h"
#include "windows/copyrigh.h"
#include "windows/datatabl.h"
#include "windows/form3.h"
#include "windows/introfrm.h"
#include "windows/quiz.h"
#include "windows/referenc.h"
#include "windows/titlform.h"
#include "windows/vater.h"

#include "output/datatablemodel.h"

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

// The lines the program writes to standard error while this lives: its own, by the name it gives.
struct StandardError {
    QTemporaryFile file;
    const int saved = dup(STDERR_FILENO);
    StandardError()
    {
        std::fflush(stderr);
        file.open();
        dup2(file.handle(), STDERR_FILENO);
    }
    ~StandardError()
    {
        std::fflush(stderr);
        dup2(saved, STDERR_FILENO);
        close(saved);
    }
    QStringList lines()
    {
        std::fflush(stderr);
        QFile written(file.fileName());
        if (!written.open(QIODevice::ReadOnly)) return {"(cannot be read)"};
        return QString::fromUtf8(written.readAll())
            .split('\n')
            .filter(QRegularExpression("^malvora: "));
    }
};

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

static QWidget *visibleForm(const QString &name)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

template <class... F> static Form *open(const QString &name) // shows the form of that name
{
    Form *shown = nullptr;
    ((name == F::staticMetaObject.className() && (shown = &Forms::show<F>())), ...);
    return shown;
}

// Every text of the window that its control cannot hold, by the font's metrics; the chart's
// titles and legend must stay inside the chart.
static QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    const auto size = [](QRect r) { return QString("%1 x %2").arg(r.width()).arg(r.height()); };
    const auto check = [&](QWidget *w, const QString &text, const QRect &room, int flags) {
        // Layouts give a line a pixel or two less than the font's height; descenders never reach.
        const QRect needs = w->fontMetrics().boundingRect(room, flags, text);
        if (!text.isEmpty() && (needs.width() > room.width() || needs.height() > room.height() + 2))
            cut << QString("%1: \"%2\" needs %3, has %4")
                       .arg(w->objectName(), text, size(needs), size(room));
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (auto *label = qobject_cast<QLabel *>(w)) {
            const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
            check(label, label->text(), label->contentsRect(), int(label->alignment()) | wrap);
        } else if (auto *button = qobject_cast<QPushButton *>(w)) {
            const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            check(button, button->text(), button->rect().adjusted(frame, 0, -frame, 0),
                  Qt::AlignCenter | Qt::TextShowMnemonic);
        } else if (auto *box = qobject_cast<QGroupBox *>(w)) {
            QStyleOptionGroupBox option;
            option.initFrom(box);
            option.text = box->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                             QStyle::SC_GroupBoxLabel, box);
            check(box, box->title(), label & box->rect(), Qt::AlignLeft);
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            const QAbstractItemModel *model = header->model();
            const bool across = header->orientation() == Qt::Horizontal;
            for (int k = 0; k < header->count(); ++k)
                check(header, model->headerData(k, header->orientation()).toString(),
                      across ? QRect(0, 0, header->sectionSize(k) - 4, header->height())
                             : QRect(0, 0, header->width() - 4, header->sectionSize(k)),
                      Qt::AlignCenter);
        } else if (auto *chart = qobject_cast<ChartControl *>(w)) {
            const DrawnChart &drawn = chart->drawn();
            const auto leaves = [&](const QString &text, bool inside, const QRectF &rect) {
                if (!text.isEmpty() && !(inside && QRectF(QPointF(), drawn.size).contains(rect)))
                    cut << chart->objectName() + ": \"" + text + "\" leaves the chart";
            };
            for (const DrawnText *text : {&drawn.title, &drawn.axes[DrawnChart::X].title,
                                          &drawn.axes[DrawnChart::Y].title}) {
                const double width = QFontMetricsF(text->font).horizontalAdvance(text->text);
                const double room = text->vertical ? text->rect.height() : text->rect.width();
                leaves(text->text, width <= room + 0.5, text->rect);
            }
            for (const LegendEntry &entry : drawn.legend)
                leaves(entry.name, drawn.legendBox.contains(entry.rect), entry.rect);
        }
    }
    return cut;
}

static QPoint emptyCorner()
{
    return twips(10400, 6900, 0, 0).pixels().topLeft();
} // no label

// The controls of the window's layout: those with a designer name.
static QList<QWidget *> controlsOf(const QWidget *window)
{
    QList<QWidget *> controls;
    for (QWidget *w : window->findChildren<QWidget *>())
        if (!w->isWindow() && !w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
            controls << w;
    return controls;
}

class tst_Shell : public QObject
{
    Q_OBJECT

    int m_ended = 0, m_mainShows = 0;
    Form1 *main = nullptr;
    backform *backdrop = nullptr;
    titlform *title = nullptr;

    // As the program starts: the title screen first, the main window behind it (made at once here).
    bool startProgram()
    {
        Form1::start();
        backdrop = &Forms::form<backform>();
        title = &Forms::form<titlform>();
        const bool titleFirst = title->isVisible() && !Forms::isLoaded<Form1>();
        main = &Forms::form<Form1>();
        main->installEventFilter(this);
        return titleFirst && QTest::qWaitForWindowActive(title);
    }
    Form1 &started() // and a key dismisses the title screen
    {
        startProgram();
        QTest::keyClick(title, Qt::Key_Space);
        return *main;
    }

    template <class F> void press(const char *button)
    {
        QTest::mouseClick(Forms::form<F>().template findChild<QPushButton *>(button),
                          Qt::LeftButton);
    }

  private slots:
    void initTestCase() { dropHarmlessWarnings(); }
    void init()
    {
        MALVORA1::clear();
        restartRnd();
        Zoom::program().setPercent(100);
        m_ended = m_mainShows = 0;
        Program::setEndHandler([&] { ++m_ended; });
    }
    void cleanup()
    {
        Forms::unloadAll();
        Clock::set({});
    }

    // A dark backdrop that takes no input, the title screen over it; a new title every tick.
    void titleMovesOnEveryTick()
    {
        QVERIFY(startProgram());
        QCOMPARE(shownTitle(*title), -1); // only the red box before the first tick
        QVERIFY(title->Label2->isVisible() && title->Timer1->isActive());
        QCOMPARE(backdrop->grab().toImage().pixelColor(5, 5), bgr(0x400000));
        QTest::mouseClick(backdrop, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(!backdrop->isEnabled() && !backdrop->close() && backdrop->isVisible());
        QVERIFY(title->isVisible() && !main->isVisible() && !m_ended);
        QList<int> shown;
        for (int tick = 0; tick < 200; ++tick) {
            title->Timer1_Timer();
            shown << shownTitle(*title);
            QVERIFY(shown[tick] >= 0 && (tick == 0 || shown[tick] != shown[tick - 1]));
        }
        QVERIFY(!main->isVisible()); // ticks alone never bring the main window
        // The generator is never seeded: every start walks these places first.
        QCOMPARE(shown.first(18), QList({3, 1, 4, 3, 1, 4, 1, 3, 1, 0, 2, 1, 2, 4, 1, 3, 4, 0}));
    }

    void dismiss_data()
    {
        QTest::addColumn<QKeySequence>("key"); // none for a click
        columns<QString, int, bool>({"target", "clicks", "dismisses"});
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
        auto [key, target, clicks, dismisses] =
            fetch<QKeySequence, QString, int, bool>({"key", "target", "clicks", "dismisses"});
        QVERIFY(startProgram());
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
        QVERIFY(startProgram());
        QSignalSpy runs(main->Command2, &QPushButton::clicked);
        const QPoint onRun = main->Command2->rect().center();
        const quint64 t0 = 5'000'000;
        const auto click = [](QWidget *w, QPoint pos, quint64 down, quint64 up, bool twice) {
            sendMouse(w, QEvent::MouseButtonPress, pos, down);
            if (twice) sendMouse(w, QEvent::MouseButtonDblClick, pos, down);
            sendMouse(w, QEvent::MouseButtonRelease, pos, up);
        };
        click(title, emptyCorner(), t0, t0 + 60, false);
        QVERIFY(main->isVisible());
        click(main->Command2, onRun, t0 + 150, t0 + 200, true);
        QCOMPARE(runs.count(), 0);
        const quint64 later = t0 + 560 + QGuiApplication::styleHints()->mouseDoubleClickInterval();
        click(main->Command2, onRun, later, later + 80, false);
        QCOMPARE(runs.count(), 1); // a click of its own presses Run
    }

    // The texts keep their lines; the citation's year is that of its load.
    void texts()
    {
        Introfrm &intro = Forms::show<Introfrm>();
        const QString introduction = intro.Text1->toPlainText();
        QTest::keyClicks(intro.Text1, QStringLiteral("xyz")); // read-only
        QVERIFY(introduction.endsWith("two-sex population. ") && !introduction.contains('\n'));
        QCOMPARE(intro.Text1->toPlainText(), introduction);
        QVERIFY(!Forms::show<Vater>().Picture2->pixmap().isNull());
        // A screen reader hears the questions as a list whose focus follows the keys.
        Quiz &quiz = Forms::show<Quiz>();
        QVERIFY(QTest::qWaitForWindowActive(&quiz));
        QCOMPARE(QApplication::focusWidget(), quiz.Command1);
        QAccessibleInterface *questions = QAccessible::queryAccessibleInterface(quiz.Label1);
        QCOMPARE(questions->role(), QAccessible::List);
        QCOMPARE(questions->childCount(), 6);
        QCOMPARE(questions->child(5)->role(), QAccessible::ListItem);
        QTest::keyClick(quiz.Command1, Qt::Key_Tab);
        QStringList heard{questions->focusChild()->text(QAccessible::Name).section(' ', 0, 0)};
        for (const auto key : {Qt::Key_Down, Qt::Key_End, Qt::Key_Up, Qt::Key_Home, Qt::Key_Up}) {
            QTest::keyClick(quiz.Label1, key);
            QVERIFY(questions->focusChild()->state().focused);
            heard << questions->focusChild()->text(QAccessible::Name).section(' ', 0, 0);
        }
        QCOMPARE(heard, QStringList({"1.", "2.", "6.", "5.", "1.", "1."}));
        QVERIFY(questions->focusChild()->text(QAccessible::Name).startsWith("1. Can you name th"));
        quiz.hide();
        for (int year : {2024, 2031}) {
            Clock::set([year] { return QDateTime(QDate(year, 6, 15), QTime(10, 30)); });
            copyrigh &copy = Forms::show<copyrigh>();
            QVERIFY(copy.Label7->text().contains(":\n\nVesk, A. 1997.")); // an empty line before
            QVERIFY(copy.Label6->text().split('\n').contains("www.tolvern.example.org/~vesk/"));
            QCOMPARE(copy.Label5->text(), "\u00a9 1997-" + QString::number(year) + " Arlo Vesk");
            copy.close();
            deleteClosed();
        }
    }

    // Each window, what the user does and the windows that come up ("end": the program ends);
    // the main window, hidden behind the others, comes back as it was left.
    void returns_data()
    {
        QTest::addColumn<QString>("step");
        // clang-format off
        for (const char *step : {
             "Form1 Command1 copyrigh", "Form1 Command6 Introfrm", "Form1 Label9 Introfrm", "Form1 Label10 Introfrm",
             "Form1 Image1 Form3", "Form1 Command11 Quiz", "Form1 MSChart1 larggraf", "Form1 close end",
             "Introfrm Command1 Form1", "Introfrm Command2 Referenc", "Introfrm Enter Form1", "Introfrm close Form1",
             "Referenc Command1 Form1", "Referenc Enter Form1", "Referenc labels Referenc", "Referenc background Form1", "Referenc close Form1",
             "Form3 Command1 Form1", "Form3 Enter Form1", "Form3 close Form1", "Quiz Command1 Form1", "Quiz Enter Form1", "Quiz close Form1",
             "copyrigh Command1 Vater", "copyrigh Enter Vater", "copyrigh close Form1", "Vater Command1 end", "Vater close end",
             "larggraf Command5 copyrigh", "larggraf command4 Form1", "larggraf close Form1",
             "DataTabl Command1 Form1 larggraf", "DataTabl Command2 larggraf", "DataTabl close larggraf"})
            QTest::newRow(step) << QString(step);
        // clang-format on
    }

    void returns()
    {
        QFETCH(QString, step);
        const QString window = step.section(' ', 0, 0), action = step.section(' ', 1, 1);
        const QStringList shows = step.section(' ', 2).split(' ');
        started();
        runWith("0.2", "10", "30");
        QTest::mouseClick(main->Command5, Qt::LeftButton); // the curve of dN(t)
        if (window != "Form1") main->hide(); // the main window stands hidden behind these windows
        if (window == "DataTabl") Forms::show<larggraf>(); // "Detail" is the graph window's
        if (window == "copyrigh") { // reached by Quit from the graph window, which stays behind
            Forms::show<larggraf>();
            press<larggraf>("Command5");
        }
        QPointer<Form> form =
            open<Form1, Introfrm, Referenc, Form3, Quiz, copyrigh, Vater, larggraf, DataTabl>(
                window);
        QVERIFY(QTest::qWaitForWindowActive(form));
        if (action == "close") {
            form->close();
            deleteClosed();
            QVERIFY(form.isNull() || window == "Form1");
        } else if (action == "background") {
            const QPoint beside = twips(120, 600, 0, 0).pixels().topLeft();
            QVERIFY(!form->childAt(beside));
            QTest::mouseClick(form, Qt::LeftButton, {}, beside);
        } else if (action == "labels") { // a reference is no way back
            for (ClickLabel *label : static_cast<Referenc *>(form.data())->Label1) {
                QTest::mouseClick(label, Qt::LeftButton);
                QTest::mouseDClick(label, Qt::LeftButton);
            }
        } else if (action == "Enter") {
            QCOMPARE(form->focusWidget()->objectName(), "Command1");
            QTest::keyClick(form->focusWidget(), Qt::Key_Return);
        } else {
            QWidget *target =
                action == "MSChart1" ? main->MSChart1 : form->findChild<QWidget *>(action);
            QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        }
        QCOMPARE(m_ended, shows[0] == "end" ? 1 : 0);
        if (m_ended) return;
        QVERIFY(visibleForm("backform"));
        for (const char *name : {"Form1", "Introfrm", "Referenc", "Form3", "Quiz", "copyrigh",
                                 "Vater", "larggraf", "DataTabl"})
            QVERIFY2(bool(visibleForm(name)) == shows.contains(name), name);
        if (!shows.contains("Form1")) return;
        QVERIFY(main->MSChart1->isVisible() && !main->Command5->isEnabled() &&
                main->Command10->isEnabled());
        QCOMPARE(main->MSChart1->title(), "Curve of dN(t) vs. time");
        QCOMPARE(main->Label4->text(), "Population size at t =30");
    }

    void everyWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("reader"); // what a screen reader calls the window
        for (const QString &window :
             QString("titlform Malvora;Form1 Malvora;larggraf Large graphs;DataTabl Data detail;"
                     "Introfrm Introduction;Referenc References;Form3 More about exponential "
                     "growth;Quiz Quiz;copyrigh Copyright;Vater Dedication")
                 .split(';'))
            QTest::newRow(qPrintable(window.section(' ', 0, 0)))
                << window.section(' ', 0, 0) << window.section(' ', 1);
    }

    // The zoom keys scale every control's place and font, keep the window on the screen and
    // bring the layout back exactly; a disabled control shows the platform's disabled text.
    void everyWindow()
    {
        QFETCH(QString, window);
        QFETCH(QString, reader);
        Form *form = open<titlform, Form1, larggraf, DataTabl, Introfrm, Referenc, Form3, Quiz,
                          copyrigh, Vater>(window);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        // A window a screen reader presents with its text, by a name that says what it is.
        QAccessibleInterface *presented = QAccessible::queryAccessibleInterface(form);
        QCOMPARE(presented->role(), QAccessible::Dialog);
        QCOMPARE(presented->text(QAccessible::Name), reader);
        QList<QWidget *> widgets = controlsOf(form) << form;
        const auto placeOf = [form](QWidget *w) {
            return w == form ? form->rect() : w->geometry();
        };
        QList<std::pair<QRect, qreal>> at100;
        for (QWidget *w : widgets)
            at100.append({placeOf(w), w->font().pointSizeF()});
        QList<std::pair<QWidget *, qreal>> fonts; // the parts of the controls too
        for (QWidget *w : form->findChildren<QWidget *>())
            fonts.append({w, w->font().pointSizeF()});
        QTest::keyClick(form, Qt::Key_Plus, Qt::ControlModifier);
        QTest::keyClick(form, Qt::Key_Equal, Qt::ControlModifier);
        QCOMPARE(Zoom::program().percent(), 150);
        for (qsizetype k = 0; k < widgets.size(); ++k) {
            const QRect was = at100[k].first, now = placeOf(widgets[k]);
            const double worst = std::max(
                {qAbs(now.x() - 1.5 * was.x()), qAbs(now.y() - 1.5 * was.y()),
                 qAbs(now.width() - 1.5 * was.width()), qAbs(now.height() - 1.5 * was.height())});
            QVERIFY2(worst <= 1, qPrintable(widgets[k]->objectName()));
            // A label or a frame's title may take a slightly smaller font to keep its text whole.
            const qreal grown = widgets[k]->font().pointSizeF() / at100[k].second;
            if (qobject_cast<QLabel *>(widgets[k]) || qobject_cast<QGroupBox *>(widgets[k]))
                QVERIFY(grown > 1.4 && grown <= 1.5);
            else
                QCOMPARE(grown, 1.5);
        }
        QCOMPARE(cutTexts(form), QStringList());
        for (int step = 0; step < 5; ++step)
            QTest::keyClick(form, Qt::Key_Plus, Qt::ControlModifier);
        QCOMPARE(Zoom::program().percent(), 250);
        QVERIFY(form->screen()->availableGeometry().contains(form->frameGeometry()));
        QTest::keyClick(form, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(Zoom::program().percent(), 225);
        QTest::keyClick(form, Qt::Key_0, Qt::ControlModifier);
        for (qsizetype k = 0; k < widgets.size(); ++k)
            QCOMPARE(placeOf(widgets[k]), at100[k].first);
        for (const auto &[w, points] : std::as_const(fonts))
            QVERIFY2(w->font().pointSizeF() == points, w->metaObject()->className());
        QVERIFY(form->isVisible()); // the keys dismiss no title screen
        for (QWidget *w : controlsOf(form)) {
            const QPalette layout = w->palette();
            w->setEnabled(false);
            for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
                QCOMPARE(w->palette().color(QPalette::Disabled, role),
                         QApplication::palette(w).color(QPalette::Disabled, role));
            QVERIFY(QAccessible::queryAccessibleInterface(w)->state().disabled);
            w->setEnabled(true);
            QCOMPARE(w->palette().color(QPalette::Active, QPalette::WindowText),
                     layout.color(QPalette::Active, QPalette::WindowText));
        }
    }

    // The zoom comes back at the next start from the user's settings file (or a link to it);
    // anything else there is left alone, with a line on standard error. --zoom holds once.
    void zoomKeptBetweenStarts_data()
    {
        QTest::addColumn<QString>("file"); // what stands where the settings file goes
        for (const char *file : {"none yet", "link to a file", "link to a device node", "FIFO",
                                 "100 MB file", "another user's file"})
            QTest::newRow(file) << QString(file);
    }

    void zoomKeptBetweenStarts()
    {
        QFETCH(QString, file);
        const bool kept = file == "none yet" || file == "link to a file";
        const QString name = KeptSettings::fileName();
        QCOMPARE(name, QSettings().fileName());
        // Where a link points: a file beside it, or the system's null device.
        const QString aside =
            file.endsWith("device node") ? "/dev/null" : QFileInfo(name).path() + "/aside.conf";
        const QByteArray n = QFile::encodeName(name), a = QFile::encodeName(aside);
        const auto removed = [&] {
            return (unlink(n) == 0 || errno == ENOENT) &&
                   (a.startsWith("/dev/") || unlink(a) == 0 || errno == ENOENT);
        };
        QVERIFY(removed() && QDir().mkpath(QFileInfo(name).path()));
        const auto cleanUp = qScopeGuard([&] { removed(); });
        QVERIFY2(!file.startsWith("another") || mayActAsOtherUsers(),
                 "make test runs as root, where the user nobody (65534) is the test's own");
        if (file == "link to a file" || file == "100 MB file" || file.startsWith("another")) {
            QFile settings(file.startsWith("link") ? aside : name);
            QVERIFY(settings.open(QIODevice::WriteOnly) && settings.write("[General]\nzoom=200\n"));
            if (file == "100 MB file") QVERIFY(settings.resize(100 << 20));
        }
        if (file.startsWith("link")) QCOMPARE(symlink(a, n), 0);
        if (file == "FIFO") QCOMPARE(mkfifo(n, 0600), 0);
        if (file.startsWith("another")) QCOMPARE(chown(n, 65534, 65534), 0);
        const bool kept200 = file == "link to a file"; // the zoom it holds, read at start
        struct stat before, after;
        QCOMPARE(lstat(file.startsWith("link") ? a : n, &before), file == "none yet" ? -1 : 0);

        StandardError errors;
        Zoom::program().start(0);
        QCOMPARE(Zoom::program().percent(), kept200 ? 200 : 100);
        Form1 &form = started();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_Plus, Qt::ControlModifier);
        Forms::unloadAll();
        Zoom::program().setPercent(100);
        Zoom::program().start(0);
        QCOMPARE(Zoom::program().percent(), kept ? (kept200 ? 225 : 125) : 100);
        // Read at start, not kept after the key, not read at the next start: a line each.
        const QStringList told = errors.lines();
        QCOMPARE(told.size(), kept ? 0 : 3);
        for (const QString &line : told)
            QCOMPARE(line, "malvora: " + name +
                               " is not a regular file of yours of at most 64 KB; "
                               "it is left alone, and no setting is read from it or kept in it.");
        // What stood there is as it was; a link still links, to the file that keeps the zoom.
        if (!kept) QCOMPARE(lstat(file.startsWith("link") ? a : n, &after), 0);
        if (!kept)
            QVERIFY(after.st_mode == before.st_mode && after.st_size == before.st_size &&
                    after.st_rdev == before.st_rdev);
        if (file.startsWith("link")) QVERIFY(lstat(n, &after) == 0 && S_ISLNK(after.st_mode));
        if (!kept || file != "none yet") return;
        const CommandLineRequest once = readCommandLine({"malvora", "--zoom", "200"});
        QCOMPARE(once.action, CommandLineRequest::OpenWindows);
        Zoom::program().start(once.zoom);
        QCOMPARE(Forms::form<Form1>().Command2->font().pointSizeF(), 24.0);
        Zoom::program().start(0);
        QCOMPARE(Zoom::program().percent(), 125);
    }

    // Every window in each language: every text fits, and the texts come from the catalogue.
    void languages_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "es", "fr", "pt_BR", "zh_CN", "tr"})
            QTest::newRow(language) << QString(language);
    }

    void languages()
    {
        QFETCH(QString, language);
        QCOMPARE(Language::install({language}), language == "en" ? QString() : language);
        const auto english = qScopeGuard([] { Language::install({"en"}); });
        const auto tr = [](const char *context, const char *text) {
            return QCoreApplication::translate(context, text);
        };
        Form1 &form = runWith("1,5");
        QCOMPARE(form.Command2->text(), tr("Form1", "Run"));
        QCOMPARE(form.Frame3->title(), tr("Form1", "Data and run"));
        QCOMPARE(form.Label4->text(), tr("Form1", "Population size at t =%1").arg(20));
        QCOMPARE(
            notice(&form),
            tr("Form1", "Read \"%1\" as %2: use a period as the decimal point.").arg("1,5", "1"));
        QCOMPARE(form.MSChart1->drawn().title.text, tr("ChartRoutines", "Curve of N(t) vs. time"));
        QVERIFY(language == "en" || form.Command2->text() != "Run");
        QStringList cut = cutTexts(&form);
        for (QPushButton *button :
             {form.Command3, form.Command5, form.Command8, form.Command9, form.command4}) {
            QTest::mouseClick(button, Qt::LeftButton);
            cut << cutTexts(&form);
        }
        clickChart(form.MSChart1);
        larggraf &large = Forms::form<larggraf>();
        for (int chart = 0; chart < 8; ++chart, clickChart(large.MSChart1))
            cut << cutTexts(&large);
        press<larggraf>("Command10");
        const auto everyOther = [] { // the main and graph windows aside, each shown
            return QList<QWidget *>{&Forms::show<DataTabl>(), &Forms::show<Introfrm>(),
                                    &Forms::show<Referenc>(), &Forms::show<Form3>(),
                                    &Forms::show<Quiz>(),     &Forms::show<copyrigh>(),
                                    &Forms::show<Vater>(),    &Forms::show<titlform>()};
        };
        for (QWidget *window : everyOther())
            cut << cutTexts(window);
        // Every window at every zoom step: no text cut, dialogs, tooltips, hand and pictures at
        // the zoom; a zoom the screen has no room for is said in a notice.
        const double font = QApplication::font().pointSizeF();
        const auto noticeText = [&form] {
            return form.findChild<QMessageBox *>("notice")->findChild<QLabel *>("qt_msgbox_label");
        };
        const double noticeFont = noticeText()->font().pointSizeF();
        runWith("0.5", "10", "100"); // the data table's widest figures
        clickChart(form.MSChart1);
        press<larggraf>("Command10");
        for (const int percent : Zoom::Steps) {
            Zoom::program().setPercent(percent);
            for (QWidget *window : everyOther() + QList<QWidget *>{&form, &large})
                for (const QString &text : cutTexts(window))
                    cut << QString("%1 %: %2: %3").arg(percent).arg(window->objectName(), text);
            Forms::show<Form1>(); // "Detail" hid it
            const double zoom = zoomOf(&form);
            const bool capped = qRound(zoom * 100) < percent;
            const auto cappedAt = [&tr](const QWidget *window) {
                return tr("Form", "The screen has room for this window at %1 % at most.")
                    .arg(qRound(zoomOf(window) * 100));
            };
            QCOMPARE(notice(&form) == cappedAt(&form), capped);
            int telling = 0; // once: by the window the user works in alone
            for (QWidget *w : QApplication::topLevelWidgets())
                telling += notice(w) == cappedAt(w);
            QCOMPARE(telling, int(capped));
            form.txtRrate->setText("0"); // Enter at 0: a notice, made at this zoom
            QTest::keyClick(form.txtRrate, Qt::Key_Return);
            QCOMPARE(noticeText()->font().pointSizeF(), noticeFont * zoom);
            QVERIFY(noticeText()->isVisible() && cutTexts(noticeText()->window()).isEmpty());
            QFont dialogFont;
            QTimer::singleShot(0, [&dialogFont] {
                if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                    dialogFont = dialog->font();
                    dialog->reject();
                }
            });
            form.CommonDialog1(&form);
            QCOMPARE(dialogFont.pointSizeF(), font * zoom);
            QVERIFY(activate(&form));
            QCOMPARE(QToolTip::font().pointSizeF(), font * zoom);
            const QCursor hand = form.Command6->cursor();
            QCOMPARE(hand.pixmap().size(), QSize(32, 32) * zoom);
            QCOMPARE(hand.hotSpot(), QPoint(int(12.5 * zoom), int(1.5 * zoom)));
            const QSize quiz = form.Command11->iconSize();
            QCOMPARE(quiz, QSize(32, 32) * zoom);
            QCOMPARE(form.Command11->icon().pixmap(quiz).size(), quiz);
            QVERIFY(form.Image1->pixmap().width() >= form.Image1->width());
            const Vater &dedication = Forms::form<Vater>();
            QVERIFY(dedication.Picture2->pixmap().width() >= dedication.Picture2->width());
            // The data table as wide as its columns, where the screen has room.
            const DataTabl &table = Forms::form<DataTabl>();
            QVERIFY(table.MSFlexGrid1->horizontalScrollBar()->maximum() == 0 ||
                    table.frameGeometry().width() >= table.screen()->availableGeometry().width());
        }
        Zoom::program().setPercent(100);
        // Chinese lines break between words at every width: "运行" (Run) and the others stay whole.
        if (language == "zh_CN") {
            const auto split = [](const QString &shown, const QFont &font,
                                  QTextOption::WrapMode wrap,
                                  std::initializer_list<const char *> words) {
                QStringList found;
                for (int width = 30; width < 600; ++width) {
                    QTextLayout layout(shown, font);
                    QTextOption option;
                    option.setWrapMode(wrap);
                    layout.setTextOption(option);
                    layout.beginLayout();
                    for (QTextLine line = layout.createLine(); line.isValid();
                         line = layout.createLine()) {
                        line.setLineWidth(width);
                        const int end = line.textStart() + line.textLength();
                        const QString across = shown.left(end).remove(QChar(0x2060)).right(1) +
                                               shown.mid(end).remove(QChar(0x2060)).left(1);
                        for (const char *word : words)
                            if (across == QString::fromUtf8(word)) found << across;
                    }
                    layout.endLayout();
                }
                found.removeDuplicates();
                return found;
            };
            QCOMPARE(split(noticeText()->text(), noticeText()->font(), QTextOption::WordWrap,
                           {"运行", "恢复", "输入", "单击", "接受", "大于", "因此"}),
                     QStringList());
            const QPlainTextEdit *box = Forms::show<Introfrm>().Text1;
            QCOMPARE(split(box->toPlainText(), box->font(), box->wordWrapMode(),
                           {"指数", "种群", "模型", "个体", "参数", "密度", "资源", "昆虫"}),
                     QStringList());
        }
        cut.removeDuplicates();
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join('\n')));

        // Qt's own dialogs speak German; Chinese is drawn with glyphs, not the empty box.
        if (language == "de") {
            QDialogButtonBox box(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
            QCOMPARE(box.button(QDialogButtonBox::Save)->text(), "Speichern");
            QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), "Abbrechen");
        }
        if (language == "zh_CN") {
            const QImage shot = form.Command2->grab().toImage();
            const auto glyph = [&form, &shot](QChar character) {
                QImage image(shot.height(), shot.height(), QImage::Format_RGB32);
                image.fill(Qt::white);
                QPainter painter(&image);
                painter.setFont(form.Command2->font());
                painter.drawText(image.rect(), Qt::AlignCenter, QString(character));
                return image;
            };
            const QString run = form.Command2->text();
            const QImage missing = glyph(QChar(0xE000));
            QVERIFY(run.size() == 2 && glyph(run[0]) != glyph(run[1]));
            QVERIFY(glyph(run[0]) != missing && glyph(run[1]) != missing);
            // The button as shown holds its caption's strokes, in the text colour of its state.
            const QPalette &colours = form.Command2->palette();
            const int strokes = (qGray(colours.color(QPalette::Button).rgb()) +
                                 qGray(colours.color(QPalette::ButtonText).rgb())) /
                                2;
            int ink = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    ink += qGray(shot.pixel(x, y)) < strokes;
            QVERIFY2(ink > 40, qPrintable(QString::number(ink)));
        }
    }

    // A damaged catalogue where an installed program once kept them changes nothing: a bad
    // length there once sent the toolkit's lookup outside the file, and --help crashed.
    void damagedCatalogues_data()
    {
        QTest::addColumn<int>("place"); // from the start, or before the description's translation
        QTest::addColumn<bool>("fromDescription");
        QTest::addColumn<int>("byte"); // what is written there
        QTest::newRow("magic number") << 0 << false << 0x00;
        QTest::newRow("language") << 20 << false << 0x7a;
        QTest::newRow("description's length, negative") << -4 << true << 0x80;
        QTest::newRow("description's length, past the end") << -4 << true << 0x7f;
        QTest::newRow("description's length, odd") << -1 << true << 0xd5;
        QTest::newRow("description's text") << 1 << true << 0x21;
    }

    void damagedCatalogues()
    {
        auto [place, fromDescription, byte] =
            fetch<int, bool, int>({"place", "fromDescription", "byte"});
        QFile built(":/translations/malvora_de.qm");
        QVERIFY(built.open(QIODevice::ReadOnly));
        QByteArray catalogue = built.readAll();
        const QString described =
            "Ein Lehrprogramm zum exponentiellen Modell des Populationswachstums.";
        QByteArray utf16(described.size() * 2, 0);
        qToBigEndian<char16_t>(described.utf16(), described.size(), utf16.data());
        if (fromDescription) place += int(catalogue.indexOf(utf16));
        QVERIFY(place >= 0 && place < catalogue.size());
        catalogue[place] = char(byte);
        // A copy of the program, with the damaged catalogue where it once looked for them.
        const QTemporaryDir prefix;
        const QString program = prefix.filePath("bin/malvora");
        QFile damaged(prefix.filePath("share/malvora/translations/malvora_de.qm"));
        QVERIFY(QDir(prefix.path()).mkpath("bin") && QDir().mkpath(QFileInfo(damaged).path()));
        QVERIFY(QFile::copy(MALVORA_PROGRAM, program));
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(catalogue) == catalogue.size());
        damaged.close();
        QProcess run;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LANGUAGE", "de"); // over any language of the user's
        run.setProcessEnvironment(environment);
        run.start(program, {"--help"});
        QVERIFY(run.waitForFinished());
        QCOMPARE(run.exitStatus(), QProcess::NormalExit);
        QCOMPARE(run.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(run.readAllStandardOutput()).section('\n', 1, 1), described);
        QCOMPARE(run.readAllStandardError(), QByteArray());
    }

    // The platform asked for: X wherever offered, unless the user names one; else Qt's (empty).
    void platform_data()
    {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("platform");
        const QString wayland = "XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY=wayland-0 ";
        // clang-format off
        QTest::newRow("Wayland session with XWayland") << wayland + "DISPLAY=:0" << "xcb";
        QTest::newRow("Wayland session without X") << wayland << "";
        QTest::newRow("Wayland session, empty DISPLAY") << wayland + "DISPLAY=" << "";
        QTest::newRow("X11 session") << "XDG_SESSION_TYPE=x11 DISPLAY=:0" << "xcb";
        QTest::newRow("user names wayland") << wayland + "DISPLAY=:0 QT_QPA_PLATFORM=wayland" << "";
        QTest::newRow("user names offscreen") << "DISPLAY=:0 QT_QPA_PLATFORM=offscreen" << "";
        QTest::newRow("empty QT_QPA_PLATFORM") << wayland + "DISPLAY=:0 QT_QPA_PLATFORM=" << "xcb";
        QTest::newRow("no display at all") << "" << "";
        // clang-format on
    }

    void platform()
    {
        QFETCH(QString, environment);
        QFETCH(QString, platform);
        QProcessEnvironment variables;
        for (const QString &variable : environment.split(' ', Qt::SkipEmptyParts))
            variables.insert(variable.section('=', 0, 0), variable.section('=', 1));
        QCOMPARE(QString::fromLatin1(platformFor(variables)), platform);
    }

  protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        m_mainShows += event->type() == QEvent::Show;
        return false;
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"

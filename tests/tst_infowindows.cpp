#include "model/clock.h"
#include "model/malvora1.h"
#include "shell/copyrigh.h"
#include "shell/form3.h"
#include "shell/forms.h"
#include "shell/introfrm.h"
#include "shell/program.h"
#include "shell/quiz.h"
#include "shell/referenc.h"
#include "shell/vater.h"
#include "windows/clicklabel.h"
#include "windows/formlayout.h"
#include "windows/main/form1.h"

#include <QFontInfo>
#include <QFrame>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace
{

QDateTime inYear(int year)
{
    return QDateTime(QDate(year, 6, 15), QTime(10, 30));
}

const QString Introduction = QStringLiteral(
    "The exponential growth is the simplest model of population growth. The differential form "
    "is dN/dt=rN. The integral form is N(t)=N(0)Exp(rt), where N(t) and N(0) are the number of "
    "individuals at time t and time zero, respectively. The parameter r is the grwoth rate. The "
    "exponential growth is also called as geometric growth. The growth rate r is sometimes "
    "called as the instantaneous rate, the intrinsic rate, the per capita rate, the geometric "
    "rate, etc. It is density-independent. This model should not be used for age-structured "
    "population, stage-structured population, or bisexual populaton. It assumes that all "
    "individuals are identical, the resources are unlimited, the space is unlimited, the "
    "environmental conditions are stable.  Therefore, only microorganisms follow the "
    "exponential growth for a short period.  Insects, birds, frogs, fishes, mammals, snakes and "
    "snails do not follow the exponential growth.  Some insect populations may grow fast and "
    "the plot of population size against time may similar to the exponential one, e.g., aphids "
    "and mites. But, you should keep in mind that it is theoretically incorrect to use this "
    "simple model for population with age structure or population with sexual bimorphism. The "
    "programs ORBEL and STAVEN are age-structured model, you are welcome to try them.  The "
    "program DUOLIN is an age-stage, two-sex model. It can be used for study and raw data "
    "analysis of the life history of a two-sex population. ");

const QString Questions = QStringLiteral(
    "1. Can you name three organisms which can grow exponentially within a day?\n"
    "2. Can you name any organism which can grow exponentially forever?\n"
    "3. Do you believe that an age-structured population can grow exponentially?\n"
    "4. Do you agree that the truth exists no matter you \"believe\" it or not?\n"
    "5. Do you \"believe\" that the changes of environmental factors limit organisms to grow "
    "exponentially?\n"
    "6. Both the change of environmental conditions with time and the limit of environmental "
    "resources are important factors which prevent an exponential growth.  But, which one is "
    "more important?");

const QString Citation = QStringLiteral(
    "If you use this program in your research, please cite the following  reference in your "
    "paper:\n\nVesk, A. 1997. Computer program for the exponential growth. National Tolvern "
    "University, Calverly, Norland.");

const QString NewVersions =
    QStringLiteral("You can get new version of this program at www.malvora.example.org\n"
                   "(Norland Society for Population Ecology, Norland) or\n"
                   "www.tolvern.example.org/~vesk/\n"
                   "(National Tolvern University).");

// The windows by their form names, opened as the navigation opens them.
Form *open(const QString &name)
{
    if (name == QLatin1String("Introfrm")) return &Forms::show<Introfrm>();
    if (name == QLatin1String("Referenc")) return &Forms::show<Referenc>();
    if (name == QLatin1String("Form3")) return &Forms::show<Form3>();
    if (name == QLatin1String("Quiz")) return &Forms::show<Quiz>();
    if (name == QLatin1String("copyrigh")) return &Forms::show<copyrigh>();
    if (name == QLatin1String("Vater")) return &Forms::show<Vater>();
    return nullptr;
}

bool isShown(const char *name)
{
    const Form *form = Forms::find(name);
    return form && form->isVisible();
}

// A window closed with its close box goes away once pending deletions are done.
void destroyPending()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class tst_InfoWindows : public QObject
{
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void textsBuiltAtLoad_data();
    void textsBuiltAtLoad();
    void introductionIsReadOnly();
    void citationYearIsTheYearOfTheLastLoad();
    void closedWindowIsLoadedAfresh_data();
    void closedWindowIsLoadedAfresh();
    void textsFitTheirBoxes_data();
    void textsFitTheirBoxes();

    void returns_data();
    void returns();
    void referencesReturnToTheMainWindow();
    void referenceLabelClickKeepsTheWindow_data();
    void referenceLabelClickKeepsTheWindow();
    void enterPressesTheFirstButton_data();
    void enterPressesTheFirstButton();

    void quitSequenceEndsTheProgram();
    void closingTheCitationAbandonsTheQuit();
    void closingTheDedicationEndsTheProgram();
    void dedicationPortraitIsCentredInItsFrame();

  private:
    Form1 &hiddenMainWindow();

    int m_ended = 0;
};

void tst_InfoWindows::init()
{
    MALVORA1::clear();
    m_ended = 0;
    Program::setEndHandler([&] { ++m_ended; });
    Clock::set([] { return inYear(2024); });
}

void tst_InfoWindows::cleanup()
{
    Forms::unloadAll();
    destroyPending();
    Clock::set({});
}

// The main window as it stands while an information window is up: created, hidden.
Form1 &tst_InfoWindows::hiddenMainWindow()
{
    Form1 &main = Forms::form<Form1>();
    main.hide();
    return main;
}

void tst_InfoWindows::textsBuiltAtLoad_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::addRow("introduction: one paragraph") << "Introfrm"
                                                 << "Text1" << Introduction;
    QTest::addRow("questions: one a line") << "Quiz"
                                           << "Label1" << Questions;
    QTest::addRow("citation request, empty line, citation") << "copyrigh"
                                                            << "Label7" << Citation;
    QTest::addRow("new versions: four lines") << "copyrigh"
                                              << "Label6" << NewVersions;
    QTest::addRow("rights notice with this year")
        << "copyrigh"
        << "Label5" << QStringLiteral("\u00a9 1997-2024 Arlo Vesk");
}

void tst_InfoWindows::textsBuiltAtLoad()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);

    Form *form = open(window);
    QVERIFY(form->isVisible());
    QWidget *widget = form->findChild<QWidget *>(control);
    QVERIFY(widget);
    if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
        QCOMPARE(box->toPlainText(), text);
    else
        QCOMPARE(qobject_cast<QLabel *>(widget)->text(), text);
}

void tst_InfoWindows::introductionIsReadOnly()
{
    Introfrm &intro = Forms::show<Introfrm>();
    intro.Text1->setFocus();
    QTest::keyClicks(intro.Text1, QStringLiteral("xyz"));
    QTest::keyClick(intro.Text1, Qt::Key_Backspace);
    QCOMPARE(intro.Text1->toPlainText(), Introduction);
    QVERIFY(!intro.Text1->toPlainText().contains(u'\n'));
    QVERIFY(intro.Text1->toPlainText().contains(
        QStringLiteral("The integral form is N(t)=N(0)Exp(rt)")));
    // The whole paragraph does not fit at once: the user scrolls it.
    QVERIFY(intro.Text1->verticalScrollBar()->isVisible() ||
            intro.Text1->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn);
}

void tst_InfoWindows::citationYearIsTheYearOfTheLastLoad()
{
    hiddenMainWindow();
    copyrigh *citation = &Forms::show<copyrigh>();
    QCOMPARE(citation->Label5->text(), QStringLiteral("\u00a9 1997-2024 Arlo Vesk"));

    // Merely hidden, the window keeps the year it was loaded with.
    citation->hide();
    Clock::set([] { return inYear(2031); });
    QCOMPARE(&Forms::show<copyrigh>(), citation);
    QCOMPARE(citation->Label5->text(), QStringLiteral("\u00a9 1997-2024 Arlo Vesk"));

    // Closed, it is loaded afresh on its next show and takes the new year.
    citation->close();
    Clock::set([] { return inYear(2032); });
    citation = &Forms::show<copyrigh>();
    QCOMPARE(citation->Label5->text(), QStringLiteral("\u00a9 1997-2032 Arlo Vesk"));
}

void tst_InfoWindows::closedWindowIsLoadedAfresh_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("text");

    QTest::addRow("introduction") << "Introfrm"
                                  << "Text1" << Introduction;
    QTest::addRow("questions") << "Quiz"
                               << "Label1" << Questions;
    QTest::addRow("citation") << "copyrigh"
                              << "Label7" << Citation;
}

void tst_InfoWindows::closedWindowIsLoadedAfresh()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, text);

    auto textOf = [&](Form *form) {
        QWidget *widget = form->findChild<QWidget *>(control);
        if (auto *box = qobject_cast<QPlainTextEdit *>(widget)) return box->toPlainText();
        return qobject_cast<QLabel *>(widget)->text();
    };
    auto spoil = [&](Form *form) {
        QWidget *widget = form->findChild<QWidget *>(control);
        if (auto *box = qobject_cast<QPlainTextEdit *>(widget))
            box->setPlainText(QStringLiteral("stale"));
        else
            qobject_cast<QLabel *>(widget)->setText(QStringLiteral("stale"));
    };

    hiddenMainWindow();
    QPointer<Form> first = open(window);
    spoil(first);

    // Hidden and shown again: the same window with its contents.
    first->hide();
    QCOMPARE(open(window), first.data());
    QCOMPARE(textOf(first), QStringLiteral("stale"));

    // Closed and shown again: a new window whose load handler built the text again.
    first->close();
    destroyPending();
    QVERIFY(first.isNull());
    Form *second = open(window);
    QVERIFY(second->isVisible());
    QCOMPARE(textOf(second), text);
    QCOMPARE(m_ended, 0);
}

void tst_InfoWindows::textsFitTheirBoxes_data()
{
    QTest::addColumn<QString>("window");
    for (const char *window : {"Referenc", "Form3", "Quiz", "copyrigh"})
        QTest::addRow("%s", window) << window;
}

// No label of the information windows cuts off its text (with the design
// fonts' metric twins, the fonts the layout was drawn for).
void tst_InfoWindows::textsFitTheirBoxes()
{
    QFETCH(QString, window);
    Form *form = open(window);
    const auto labels = form->findChildren<ClickLabel *>();
    QVERIFY(!labels.isEmpty());
    for (const ClickLabel *label : labels) {
        if (label->text().isEmpty()) continue;
        if (!QFontInfo(label->font()).family().startsWith(QLatin1String("Liberation")))
            QSKIP("The metric twins of the design fonts are not installed");
        const QFontMetrics metrics = label->fontMetrics();
        if (label->wordWrap()) {
            // Every line's baseline lies within the box.
            const int needed = label->heightForWidth(label->width()) - metrics.descent();
            QVERIFY2(needed <= label->height(),
                     qPrintable(QStringLiteral("%1 needs %2 of %3 pixels")
                                    .arg(label->objectName())
                                    .arg(needed)
                                    .arg(label->height())));
        } else {
            // A line of its own: all of its ink lies within the box.
            const QRect ink = metrics.tightBoundingRect(label->text());
            QVERIFY2(ink.right() < label->width() && metrics.height() <= label->height(),
                     qPrintable(QStringLiteral("%1 draws to %2 of %3 pixels")
                                    .arg(label->objectName())
                                    .arg(ink.right())
                                    .arg(label->width())));
        }
    }
}

void tst_InfoWindows::returns_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("action"); // a button's name, "close" or "background"
    QTest::addColumn<QString>("shows");

    QTest::addRow("Introfrm OK") << "Introfrm"
                                 << "Command1"
                                 << "Form1";
    QTest::addRow("Introfrm References") << "Introfrm"
                                         << "Command2"
                                         << "Referenc";
    QTest::addRow("Introfrm close") << "Introfrm"
                                    << "close"
                                    << "Form1";
    QTest::addRow("Referenc OK") << "Referenc"
                                 << "Command1"
                                 << "Form1";
    QTest::addRow("Referenc background") << "Referenc"
                                         << "background"
                                         << "Form1";
    QTest::addRow("Referenc close") << "Referenc"
                                    << "close"
                                    << "Form1";
    QTest::addRow("Form3 OK") << "Form3"
                              << "Command1"
                              << "Form1";
    QTest::addRow("Form3 close") << "Form3"
                                 << "close"
                                 << "Form1";
    QTest::addRow("Quiz back to the mainform") << "Quiz"
                                               << "Command1"
                                               << "Form1";
    QTest::addRow("Quiz close") << "Quiz"
                                << "close"
                                << "Form1";
    QTest::addRow("copyrigh OK") << "copyrigh"
                                 << "Command1"
                                 << "Vater";
    QTest::addRow("copyrigh close") << "copyrigh"
                                    << "close"
                                    << "Form1";
}

void tst_InfoWindows::returns()
{
    QFETCH(QString, window);
    QFETCH(QString, action);
    QFETCH(QString, shows);

    hiddenMainWindow();
    QPointer<Form> form = open(window);
    QVERIFY(QTest::qWaitForWindowExposed(form));

    if (action == QLatin1String("close")) {
        form->close();
        destroyPending();
        QVERIFY(form.isNull());
        QVERIFY(!Forms::find(window.toLatin1().constData()));
    } else if (action == QLatin1String("background")) {
        const QPoint beside = twips(120, 600, 0, 0).topLeft();
        QVERIFY(!form->childAt(beside));
        QTest::mouseClick(form, Qt::LeftButton, {}, beside);
        QVERIFY(!form->isVisible());
    } else {
        auto *button = form->findChild<QPushButton *>(action);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!form->isVisible());
    }

    QVERIFY(isShown(shows.toLatin1().constData()));
    QCOMPARE(isShown("Form1"), shows == QLatin1String("Form1"));
    QCOMPARE(m_ended, 0);
}

// A return goes to the main window, not to the window the references came from.
void tst_InfoWindows::referencesReturnToTheMainWindow()
{
    hiddenMainWindow();
    Introfrm &intro = Forms::show<Introfrm>();
    QTest::mouseClick(intro.Command2, Qt::LeftButton);
    Referenc &references = Forms::form<Referenc>();
    QVERIFY(references.isVisible());
    QTest::mouseClick(references.Command1, Qt::LeftButton);
    QVERIFY(isShown("Form1"));
    QVERIFY(!intro.isVisible());
    QVERIFY(!references.isVisible());
}

void tst_InfoWindows::referenceLabelClickKeepsTheWindow_data()
{
    QTest::addColumn<int>("element");
    for (int element : {0, 4, 6, 2, 1, 5, 3})
        QTest::addRow("Label1(%d)", element) << element;
}

void tst_InfoWindows::referenceLabelClickKeepsTheWindow()
{
    QFETCH(int, element);
    hiddenMainWindow();
    Referenc &references = Forms::show<Referenc>();
    QVERIFY(QTest::qWaitForWindowExposed(&references));

    ClickLabel *label = references.Label1[size_t(element)];
    QTest::mouseClick(label, Qt::LeftButton);
    QTest::mouseDClick(label, Qt::LeftButton);
    QVERIFY(references.isVisible());
    QVERIFY(!isShown("Form1"));

    // The same place seen from the window: still on the label, still nothing.
    QTest::mouseClick(&references, Qt::LeftButton, {}, label->geometry().center());
    QVERIFY(references.isVisible());
}

void tst_InfoWindows::enterPressesTheFirstButton_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("shows");

    QTest::addRow("Introfrm OK") << "Introfrm"
                                 << "Form1";
    QTest::addRow("Referenc OK") << "Referenc"
                                 << "Form1";
    QTest::addRow("Form3 OK") << "Form3"
                              << "Form1";
    QTest::addRow("Quiz back to the mainform") << "Quiz"
                                               << "Form1";
    QTest::addRow("copyrigh OK") << "copyrigh"
                                 << "Vater";
}

// The button with the first place in the tab order has the focus when the
// window comes up, so Enter alone moves on.
void tst_InfoWindows::enterPressesTheFirstButton()
{
    QFETCH(QString, window);
    QFETCH(QString, shows);

    hiddenMainWindow();
    Form *form = open(window);
    if (!QTest::qWaitForWindowActive(form)) QSKIP("The platform does not activate windows");
    auto *button = form->findChild<QPushButton *>(QStringLiteral("Command1"));
    QCOMPARE(form->focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Return);
    QVERIFY(!form->isVisible());
    QVERIFY(isShown(shows.toLatin1().constData()));
}

void tst_InfoWindows::quitSequenceEndsTheProgram()
{
    Form1 &main = Forms::form<Form1>();
    main.show();
    QTest::mouseClick(main.Command1, Qt::LeftButton); // "Quit"
    copyrigh &citation = Forms::form<copyrigh>();
    QVERIFY(citation.isVisible());
    QVERIFY(!main.isVisible());

    QTest::mouseClick(citation.Command1, Qt::LeftButton); // "OK"
    Vater &dedication = Forms::form<Vater>();
    QVERIFY(dedication.isVisible());
    QVERIFY(!citation.isVisible());
    QCOMPARE(dedication.Command1->text(), QStringLiteral("God rest his soul"));
    QCOMPARE(m_ended, 0);

    QTest::mouseClick(dedication.Command1, Qt::LeftButton);
    QCOMPARE(m_ended, 1);
}

void tst_InfoWindows::closingTheCitationAbandonsTheQuit()
{
    Form1 &main = Forms::form<Form1>();
    main.show();
    QTest::mouseClick(main.Command1, Qt::LeftButton);
    Forms::form<copyrigh>().close();
    QVERIFY(main.isVisible());
    QVERIFY(!Forms::isLoaded<Vater>());
    QCOMPARE(m_ended, 0);
}

// Without this the program would go on with nothing but the backdrop on screen.
void tst_InfoWindows::closingTheDedicationEndsTheProgram()
{
    hiddenMainWindow();
    Vater &dedication = Forms::show<Vater>();
    QCOMPARE(m_ended, 0);
    dedication.close();
    QCOMPARE(m_ended, 1);
}

void tst_InfoWindows::dedicationPortraitIsCentredInItsFrame()
{
    Vater &dedication = Forms::show<Vater>();
    QCOMPARE(dedication.Picture2->parentWidget(), dedication.Frame1);
    QCOMPARE(dedication.Picture2->geometry(), twips(222, 132, 6048, 6708));
    QVERIFY(!dedication.Picture2->pixmap().isNull());
    // The portrait lies wholly within its frame.
    QVERIFY(dedication.Frame1->rect().contains(dedication.Picture2->geometry()));
}

QTEST_MAIN(tst_InfoWindows)
#include "tst_infowindows.moc"

#include "model/clock.h"
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

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace
{

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

Form *open(const QString &name)
{
    if (name == QLatin1String("Introfrm")) return &Forms::show<Introfrm>();
    if (name == QLatin1String("Referenc")) return &Forms::show<Referenc>();
    if (name == QLatin1String("Form3")) return &Forms::show<Form3>();
    if (name == QLatin1String("Quiz")) return &Forms::show<Quiz>();
    if (name == QLatin1String("copyrigh")) return &Forms::show<copyrigh>();
    return &Forms::show<Vater>();
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

    int m_ended = 0;

  private slots:
    void init()
    {
        m_ended = 0;
        Program::setEndHandler([&] { ++m_ended; });
    }
    void cleanup()
    {
        Forms::unloadAll();
        destroyPending();
        Clock::set({});
    }

    // Each load builds the texts: a closed window comes back new, with the year of its new load.
    void textsBuiltAtEveryLoad()
    {
        for (int year : {2024, 2031}) {
            Clock::set([year] { return QDateTime(QDate(year, 6, 15), QTime(10, 30)); });
            QPointer<Introfrm> intro = &Forms::show<Introfrm>();
            QTest::keyClicks(intro->Text1, QStringLiteral("xyz")); // read-only
            QCOMPARE(intro->Text1->toPlainText(), Introduction);
            QPointer<Quiz> quiz = &Forms::show<Quiz>();
            QCOMPARE(quiz->Label1->text(), Questions);
            QPointer<copyrigh> citation = &Forms::show<copyrigh>();
            QCOMPARE(citation->Label7->text(), Citation);
            QCOMPARE(citation->Label6->text(), NewVersions);
            QCOMPARE(citation->Label5->text(),
                     QStringLiteral("\u00a9 1997-%1 Arlo Vesk").arg(year));
            for (Form *form : std::initializer_list<Form *>{intro, quiz, citation})
                form->close();
            destroyPending();
            QVERIFY(intro.isNull() && quiz.isNull() && citation.isNull());
        }
        QCOMPARE(m_ended, 0);
    }

    void returns_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("action"); // a button, "Enter", "close", "labels" or "background"
        QTest::addColumn<QString>("shows");  // "end" when the program ends
        // Each window with its pairs of what the user does and what comes up.
        auto rows = [](const char *window, std::initializer_list<const char *> pairs) {
            for (const char *pair : pairs) {
                const QStringList actionShows = QString(pair).split(u' ');
                QTest::addRow("%s %s", window, pair)
                    << QString(window) << actionShows[0] << actionShows[1];
            }
        };
        rows("Introfrm", {"Command1 Form1", "Command2 Referenc", "Enter Form1", "close Form1"});
        rows("Referenc", {"Command1 Form1", "Enter Form1", "labels Referenc", "background Form1",
                          "close Form1"});
        rows("Form3", {"Command1 Form1", "Enter Form1", "close Form1"});
        rows("Quiz", {"Command1 Form1", "Enter Form1", "close Form1"});
        rows("copyrigh", {"Command1 Vater", "Enter Vater", "close Form1"});
        rows("Vater", {"Command1 end", "close end"});
    }

    void returns()
    {
        QFETCH(QString, window);
        QFETCH(QString, action);
        QFETCH(QString, shows);
        Forms::form<Form1>().hide(); // the main window stands hidden behind these windows
        QPointer<Form> form = open(window);
        QVERIFY(QTest::qWaitForWindowExposed(form));
        auto *button = form->findChild<QPushButton *>(action);
        if (action == QLatin1String("close")) {
            form->close();
            destroyPending();
            QVERIFY(form.isNull());
        } else if (action == QLatin1String("background")) {
            const QPoint beside = twips(120, 600, 0, 0).topLeft();
            QVERIFY(!form->childAt(beside));
            QTest::mouseClick(form, Qt::LeftButton, {}, beside);
        } else if (action == QLatin1String("labels")) { // a reference is no way back
            for (ClickLabel *label : static_cast<Referenc *>(form.data())->Label1) {
                QTest::mouseClick(label, Qt::LeftButton);
                QTest::mouseDClick(label, Qt::LeftButton);
            }
        } else if (action == QLatin1String("Enter")) {
            if (!QTest::qWaitForWindowActive(form)) QSKIP("The platform does not activate windows");
            button = form->findChild<QPushButton *>(QStringLiteral("Command1"));
            QCOMPARE(form->focusWidget(), button);
            QTest::keyClick(button, Qt::Key_Return);
        } else {
            QVERIFY(button);
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QCOMPARE(m_ended, shows == QLatin1String("end") ? 1 : 0);
        if (shows == QLatin1String("end")) return;
        for (const char *name :
             {"Form1", "Introfrm", "Referenc", "Form3", "Quiz", "copyrigh", "Vater"})
            QVERIFY2(isShown(name) == (shows == QLatin1String(name)), name);
    }

    void dedicationPortraitStandsInItsFrame()
    {
        Vater &dedication = Forms::show<Vater>();
        QCOMPARE(dedication.Picture2->parentWidget(), dedication.Frame1);
        QCOMPARE(dedication.Picture2->geometry(), twips(222, 132, 6048, 6708));
        QVERIFY(!dedication.Picture2->pixmap().isNull());
    }
};

QTEST_MAIN(tst_InfoWindows)
#include "tst_infowindows.moc"

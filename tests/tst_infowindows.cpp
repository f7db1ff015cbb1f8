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

static const QString Introduction = QStringLiteral(
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

static const QString Questions = QStringLiteral(
    "1. Can you name three organisms which can grow exponentially within a day?\n"
    "2. Can you name any organism which can grow exponentially forever?\n"
    "3. Do you believe that an age-structured population can grow exponentially?\n"
    "4. Do you agree that the truth exists no matter you \"believe\" it or not?\n"
    "5. Do you \"believe\" that the changes of environmental factors limit organisms to grow "
    "exponentially?\n"
    "6. Both the change of environmental conditions with time and the limit of environmental "
    "resources are important factors which prevent an exponential growth.  But, which one is "
    "more important?");

static Form *open(const QString &name)
{
    if (name == "Introfrm") return &Forms::show<Introfrm>();
    if (name == "Referenc") return &Forms::show<Referenc>();
    if (name == "Form3") return &Forms::show<Form3>();
    if (name == "Quiz") return &Forms::show<Quiz>();
    if (name == "copyrigh") return &Forms::show<copyrigh>();
    return &Forms::show<Vater>();
}

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
            QPointer<copyrigh> copy = &Forms::show<copyrigh>();
            QCOMPARE(copy->Label7->text(),
                     "If you use this program in your research, please cite the following  "
                     "reference in your paper:\n\nVesk, A. 1997. Computer program for the "
                     "exponential growth. National Tolvern University, Calverly, Norland.");
            QCOMPARE(copy->Label6->text(),
                     "You can get new version of this program at www.malvora.example.org\n(Norland "
                     "Society for Population Ecology, Norland) or\nwww.tolvern.example.org/~vesk/\n"
                     "(National Tolvern University).");
            QCOMPARE(copy->Label5->text(), "\u00a9 1997-" + QString::number(year) + " Arlo Vesk");
            for (Form *form : std::initializer_list<Form *>{intro, quiz, copy})
                form->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // closed: gone
            QVERIFY(intro.isNull() && quiz.isNull() && copy.isNull());
        }
    }

    // Each window with what the user does (a button, Enter, the close box, the reference
    // labels or the background) and the window that comes up ("end" when the program ends).
    void returns_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("step");
        auto rows = [](const char *window, std::initializer_list<const char *> steps) {
            for (const char *step : steps)
                QTest::addRow("%s %s", window, step) << QString(window) << QString(step);
        };
        // clang-format off
        rows("Introfrm", {"Command1 Form1", "Command2 Referenc", "Enter Form1", "close Form1"});
        rows("Referenc", {"Command1 Form1", "Enter Form1", "labels Referenc", "background Form1", "close Form1"});
        rows("Form3", {"Command1 Form1", "Enter Form1", "close Form1"});
        rows("Quiz", {"Command1 Form1", "Enter Form1", "close Form1"});
        rows("copyrigh", {"Command1 Vater", "Enter Vater", "close Form1"});
        rows("Vater", {"Command1 end", "close end"});
        // clang-format on
    }

    void returns()
    {
        QFETCH(QString, window);
        QFETCH(QString, step);
        const QString action = step.section(' ', 0, 0), shows = step.section(' ', 1);
        Forms::form<Form1>().hide(); // the main window stands hidden behind these windows
        QPointer<Form> form = open(window);
        QVERIFY(QTest::qWaitForWindowActive(form));
        if (action == "close") {
            form->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(form.isNull());
        } else if (action == "background") {
            const QPoint beside = twips(120, 600, 0, 0).topLeft();
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
            QTest::mouseClick(form->findChild<QPushButton *>(action), Qt::LeftButton);
        }
        QCOMPARE(m_ended, shows == "end" ? 1 : 0);
        for (const char *name :
             {"Form1", "Introfrm", "Referenc", "Form3", "Quiz", "copyrigh", "Vater"}) {
            const Form *shown = Forms::find(name);
            QVERIFY2(shows == "end" || (shown && shown->isVisible()) == (shows == name), name);
        }
    }

    void dedicationPortraitStandsInItsFrame()
    {
        Vater &dedication = Forms::show<Vater>();
        QCOMPARE(dedication.Picture2->geometry(), twips(222, 132, 6048, 6708));
        QCOMPARE(dedication.Picture2->parentWidget(), dedication.Frame1);
        QVERIFY(!dedication.Picture2->pixmap().isNull());
    }
};

QTEST_MAIN(tst_InfoWindows)
#include "tst_infowindows.moc"

// How the windows replace one another, seen from the main window: every way
// out of it, the returns, and the two ways the program ends.
#include "charts/chartcontrol.h"
#include "charts/larggraf.h"
#include "model/malvora1.h"
#include "output/datatabl.h"
#include "shell/copyrigh.h"
#include "shell/form3.h"
#include "shell/forms.h"
#include "shell/introfrm.h"
#include "shell/program.h"
#include "shell/quiz.h"
#include "shell/titlform.h"
#include "windows/clicklabel.h"
#include "windows/main/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class tst_WindowFlow : public QObject
{
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void mainWindowLeadsTo_data();
    void mainWindowLeadsTo();
    void hiddenMainWindowKeepsEverything();
    void quitFromTheGraphReturnsToTheMainWindow();
    void closingTheMainWindowEndsAtOnce();

  private:
    Form1 &startedMainWindow();
    QWidget *visibleForm(const QString &name) const;

    int ended = 0;
};

void tst_WindowFlow::init()
{
    MALVORA1::clear();
    ended = 0;
    Program::setEndHandler([this] { ++ended; });
}

void tst_WindowFlow::cleanup()
{
    Forms::unloadAll();
    Program::setEndHandler({});
}

// The start-up sequence: the title screen, then a key brings the main window.
Form1 &tst_WindowFlow::startedMainWindow()
{
    Form1 &form = Forms::form<Form1>();
    titlform &title = Forms::form<titlform>();
    QTest::keyClick(&title, Qt::Key_Space);
    QApplication::setActiveWindow(&form);
    return form;
}

QWidget *tst_WindowFlow::visibleForm(const QString &name) const
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible()) return w;
    return nullptr;
}

void tst_WindowFlow::mainWindowLeadsTo_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shows");
    // clang-format off
    QTest::addRow("Quit") << "Command1" << "copyrigh";
    QTest::addRow("More...") << "Command6" << "Introfrm";
    QTest::addRow("the title") << "Label9" << "Introfrm";
    QTest::addRow("the author block") << "Label10" << "Introfrm";
    QTest::addRow("the photograph") << "Image1" << "Form3";
    QTest::addRow("the quiz button") << "Command11" << "Quiz";
    QTest::addRow("the chart") << "MSChart1" << "larggraf";
    // clang-format on
}

void tst_WindowFlow::mainWindowLeadsTo()
{
    QFETCH(QString, control);
    QFETCH(QString, shows);
    Form1 &form = startedMainWindow();
    QTest::mouseClick(form.Command2, Qt::LeftButton); // the chart needs a run
    QWidget *target = form.findChild<QWidget *>(control);
    QWidget *clickable = control == "MSChart1" ? form.MSChart1->viewport() : target;
    QTest::mouseClick(clickable, Qt::LeftButton, {}, clickable->rect().center());
    QVERIFY(!form.isVisible());
    QVERIFY2(visibleForm(shows), qPrintable(shows));
    QVERIFY(visibleForm("backform"));
    QCOMPARE(ended, 0);
}

void tst_WindowFlow::hiddenMainWindowKeepsEverything()
{
    Form1 &form = startedMainWindow();
    form.txtSimut->setText(QStringLiteral("30"));
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    QTest::mouseClick(form.Command5, Qt::LeftButton);
    QTest::mouseClick(form.Command6, Qt::LeftButton); // More..., then OK
    QTest::mouseClick(Forms::form<Introfrm>().findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(form.isVisible() && form.MSChart1->isVisible());
    QCOMPARE(form.MSChart1->title(), "Curve of dN(t) vs. time");
    QCOMPARE(form.Label4->text(), "Population size at t =30");
    QVERIFY(!form.Command5->isEnabled() && form.Command10->isEnabled());
}

// A return goes to the window the table names, not to the one that was in front.
void tst_WindowFlow::quitFromTheGraphReturnsToTheMainWindow()
{
    Form1 &form = startedMainWindow();
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    QTest::mouseClick(form.MSChart1->viewport(), Qt::LeftButton);
    larggraf &graph = Forms::form<larggraf>();
    QTest::mouseClick(graph.findChild<QPushButton *>("Command5"), Qt::LeftButton); // Quit
    QVERIFY(visibleForm("copyrigh") && !graph.isVisible());
    QVERIFY(Forms::form<copyrigh>().close());
    QVERIFY(form.isVisible() && !graph.isVisible());
    QCOMPARE(ended, 0);
}

void tst_WindowFlow::closingTheMainWindowEndsAtOnce()
{
    Form1 &form = startedMainWindow();
    QTest::mouseClick(form.Command2, Qt::LeftButton);
    QTest::mouseClick(form.MSChart1->viewport(), Qt::LeftButton);
    QTest::mouseClick(Forms::form<larggraf>().findChild<QPushButton *>("command4"), Qt::LeftButton);
    QTest::mouseClick(form.MSChart1->viewport(), Qt::LeftButton);
    QTest::mouseClick(Forms::form<larggraf>().findChild<QPushButton *>("Command10"),
                      Qt::LeftButton);
    QTest::mouseClick(Forms::form<DataTabl>().findChild<QPushButton *>("Command1"), Qt::LeftButton);
    QVERIFY(form.isVisible() && Forms::form<larggraf>().isVisible());
    form.close();
    QCOMPARE(ended, 1);
}

QTEST_MAIN(tst_WindowFlow)
#include "tst_windowflow.moc"

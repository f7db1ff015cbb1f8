// The main window as a student uses it: parameters, Run, the chart buttons, refused values.
#include "charts/chartreadout.h"
#include "driving.h"
#include "model/clock.h"
#include "model/keptruns.h"
#include "model/observations.h"
#include "widgets/clicklabel.h"
#include "widgets/formlayout.h"

#include <QInputMethodEvent>

#include <algorithm>
#include <limits>

using namespace MALVORA1;

class tst_MainWindow : public QObject
{
    Q_OBJECT

    Form1 *form = nullptr;

    void start(const QString &locale = {})
    {
        if (!locale.isEmpty()) QLocale::setDefault(QLocale(locale));
        Forms::unloadAll();
        form = &Forms::form<Form1>();
        form->show();
        QVERIFY(activate(form));
    }

    // Replaces the box's text by typing; beyond ASCII (full-width digits) from an input method.
    void type(QLineEdit *box, const QString &text)
    {
        QTest::mouseClick(box, Qt::LeftButton);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            return QTest::keyClicks(box, text);
        QInputMethodEvent committed;
        committed.setCommitString(text);
        QApplication::sendEvent(box, &committed);
    }

    QList<QPointF> points() const { return curvesOf(form->MSChart1).back().points; }

    // 1 for each enabled button of command4 Command3 Command5 Command8 Command9 Run Save, else 0.
    QString enabledButtons() const
    {
        QString enabled;
        for (const char *name :
             {"command4", "Command3", "Command5", "Command8", "Command9", "Command2", "Command10"})
            enabled += form->findChild<QPushButton *>(name)->isEnabled() ? u'1' : u'0';
        return enabled;
    }

  private slots:
    void initTestCase() { dropHarmlessWarnings(); }

    void init()
    {
        clear();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Clock::set([] { return QDateTime(QDate(2026, 12, 6), QTime(10, 0, 7)); });
        start();
    }

    void cleanup()
    {
        Forms::unloadAll();
        Clock::set({});
    }

    void startsReadyToRun_data()
    {
        columns<QTime, bool, QString>({"time", "afternoon", "clock"});
        QTest::addRow("00:30 morning") << QTime(0, 30, 7) << false << "12/6/26 12:30:07_AM";
        QTest::addRow("12:59 morning") << QTime(12, 59, 7) << false << "12/6/26 12:59:07_PM";
        QTest::addRow("13:00 afternoon") << QTime(13, 0, 7) << true << "12/6/26 1:00:07_PM";
    }

    void startsReadyToRun()
    {
        auto [time, afternoon, clock] = fetch<QTime, bool, QString>({"time", "afternoon", "clock"});
        Clock::set([=] { return QDateTime(QDate(2026, 12, 6), time); });
        start();
        QCOMPARE(form->Label12->isVisible(), afternoon);
        QCOMPARE(form->Label11->isVisible(), !afternoon);
        QCOMPARE(QApplication::focusWidget(), form->Command2);
        QCOMPARE(enabledButtons(), "0000010");
        QVERIFY(form->MSChart1->isHidden() && form->Label13->isVisible());
        QCOMPARE(form->Text4->text(), QString());
        QVERIFY(form->Label7->text().split(u'\n').contains("N(t) = N(0) exp(rt).")); // own line
        QVERIFY(form->Label13->text().endsWith("(please e-maile to arlo.vesk@example.org)."));
        const QStringList author = form->Label10->text().split(u'\n');
        QCOMPARE(author.size(), 9); // eight lines, each ended by a line feed
        QCOMPARE(author.first(), "Prof. Dr. Arlo Vesk");
        QVERIFY(form->Label8->text().contains("2026"));
        // The photograph sits 100 twips from the frame's right edge, centred in height.
        QCOMPARE(form->Image1->geometry(), twips(3803, 427.5, 1632, 2160).pixels());
        form->Timer1_Timer();
        // "_": a space before AM and PM in older locale data, a narrow no-break space in newer.
        const QString gap = QLocale().timeFormat(QLocale::ShortFormat).section(u'm', -1).chopped(2);
        QCOMPARE(form->Label6->text(), clock.replace(u'_', gap));
    }

    void typedValue_data()
    {
        // key: Run, Enter, or Run then Enter; after: the box after Enter, empty: taken, Run
        // focused; shown: N(T) after Enter until a run, empty: nothing ran
        columns<QString, QString, QString, QString, QString, QString, QString>(
            {"locale", "box", "text", "key", "after", "notice", "shown"});
        const QString point = ": use a period as the decimal point.", defaults = "545.981500331442";
        const QString size = "Enter takes only sizes above 0, so N(0) went back to 10. To start "
                             "from 0 or below, type the size and click Run.";
        const QString unchanged =
            "Enter in a box you have not changed since the run sets it back to ";
        // clang-format off
        QTest::addRow("N(0) zero") << "en_US" << "n0" << "0" << "Enter" << "10" << size << defaults;
        QTest::addRow("N(0) beyond doubles") << "en_US" << "n0" << "1e999" << "Enter" << "10" << "N(0) is too large in size to compute with, so it went back to 10. Type a smaller size." << defaults;
        QTest::addRow("N(0) after a run") << "en_US" << "n0" << "25" << "Run, Enter" << "10" << unchanged + "10. Type a new size, or click Run." << defaults;
        QTest::addRow("r negative") << "en_US" << "txtRrate" << "-0.1" << "Enter" << "0.2" << "Enter takes only rates above 0, so the rate went back to 0.2. To run a decay, type the negative rate and click Run." << defaults;
        QTest::addRow("r zero") << "en_US" << "txtRrate" << "0" << "Enter" << "0.2" << "Enter takes only rates above 0, so the rate went back to 0.2. To run with r = 0, type 0 and click Run." << defaults;
        QTest::addRow("r &H beyond doubles") << "en_US" << "txtRrate" << "&H" + QString(256, u'F') << "Enter" << "0.2" << "The rate is too large in size to compute with, so it went back to 0.2. Type a smaller rate." << defaults;
        QTest::addRow("r after a run") << "en_US" << "txtRrate" << "0.3" << "Run, Enter" << "0.2" << unchanged + "0.2. Type a new rate, or click Run." << defaults;
        QTest::addRow("t 2999") << "en_US" << "txtSimut" << "2999" << "Enter" << "" << "" << "3.08908775235909E+261";
        QTest::addRow("t 3000") << "en_US" << "txtSimut" << "3000" << "Enter" << "20" << "Enter takes only end times from 1 to 2999, so the end time went back to 20." << defaults;
        QTest::addRow("t empty") << "en_US" << "txtSimut" << "" << "Enter" << "20" << "Enter takes only end times above 0, so the end time went back to 20. To run to t = 0, type 0 and click Run." << defaults;
        QTest::addRow("t after a run") << "en_US" << "txtSimut" << "50" << "Run, Enter" << "20" << unchanged + "20. Type a new end time, or click Run." << defaults;
        QTest::addRow("comma locale, Run, N(T) typed back") << "de_DE" << "n0" << "54,5981500331442" << "Run" << "" << "" << "2980,95798704173";
        QTest::addRow("comma locale, Enter, r with a comma") << "de_DE" << "txtRrate" << "0,3" << "Enter" << "" << "" << "4034,28793492735";
        QTest::addRow("comma locale, Enter, a point still reads") << "de_DE" << "txtRrate" << "0.3" << "Enter" << "" << "" << "4034,28793492735";
        QTest::addRow("comma locale, Enter, end time with a comma") << "de_DE" << "txtSimut" << "12,5" << "Enter" << "20" << "Enter takes only whole end times, so the end time went back to 20. Type a whole number and press Enter." << "545,981500331442";
        QTest::addRow("comma locale, Enter, point then comma") << "de_DE" << "n0" << "2.5,3" << "Enter" << "" << "Read \"2.5,3\" as 2,5: a number takes one decimal comma and no thousands separators." << "136,495375082861";
        QTest::addRow("comma locale, Enter, full-width") << "de_DE" << "txtRrate" << "０，３" << "Enter" << "0.2" << "Read \"０，３\" as 0: the number ends before \"，3\".\nEnter takes only rates above 0, so the rate went back to 0.2. To run with r = 0, type 0 and click Run." << "545,981500331442";
        QTest::addRow("zh_CN, Enter, full-width rate") << "zh_CN" << "txtRrate" << "０．３" << "Enter" << "" << "" << "4034.28793492735";
        QTest::addRow("zh_CN, Run, full-width signs") << "zh_CN" << "txtRrate" << "－０．２" << "Run" << "" << "" << "0.183156388887342";
        QTest::addRow("zh_CN, Enter, full-width plus") << "zh_CN" << "n0" << "＋２５" << "Enter" << "" << "" << "1364.95375082861";
        QTest::addRow("zh_CN, Run, comma stays a comma") << "zh_CN" << "txtRrate" << "0,3" << "Run" << "" << "Read \"0,3\" as 0" + point << "10";
        QTest::addRow("C, Enter, letters after the end time") << "C" << "txtSimut" << "12abc" << "Enter" << "" << "Read \"12abc\" as 12: the number ends before \"abc\"." << "110.231763806416";
        QTest::addRow("C, Enter, letters only") << "C" << "n0" << "abc" << "Enter" << "10" << "Read \"abc\" as 0: it does not begin with a number.\n" + size << defaults;
        QTest::addRow("C, Run, empty end time") << "C" << "txtSimut" << "" << "Run" << "" << "" << "10";
        QTest::addRow("C, Run, blanks around") << "C" << "n0" << " 25 " << "Run" << "" << "" << "1364.95375082861";
        QTest::addRow("t 20.5, Run, gives 20") << "en_US" << "txtSimut" << "20.5" << "Run" << "" << "" << "545.981500331442";
        QTest::addRow("t 21.5, Run, gives 22") << "en_US" << "txtSimut" << "21.5" << "Run" << "" << "" << "814.508686649681";
        // clang-format on
    }

    // Enter takes a value Run can use and moves on to Run, or puts the default back and says why;
    // Run goes on with the value read (an end time rounded). A notice says what was read, if not
    // all.
    void typedValue()
    {
        auto [locale, box, text, key, after, notice, shown] =
            fetch<QString, QString, QString, QString, QString, QString, QString>(
                {"locale", "box", "text", "key", "after", "notice", "shown"});
        start(locale);
        auto *edit = form->findChild<QLineEdit *>(box);
        type(edit, text);
        if (key == "Run") {
            QTest::mouseClick(form->Command2, Qt::LeftButton);
            QVERIFY(form->MSChart1->isVisible() && !form->Label11->isVisible() &&
                    !form->Label13->isVisible());
            QCOMPARE(QApplication::focusWidget(), form->MSChart1); // on with what was run
            // The curve runs from t = 0 to the end time that the label names.
            QCOMPARE(points().first().x(), 0.0);
            QCOMPARE(form->Label4->text(),
                     "Population size at t =" + QString::number(points().last().x()));
        } else {
            if (key == "Run, Enter") {
                QTest::mouseClick(form->Command2, Qt::LeftButton);
                QTest::mouseClick(edit, Qt::LeftButton);
            }
            QTest::keyClick(edit, Qt::Key_Return);
            QCOMPARE(edit->text(), after.isEmpty() ? text : after);
            QCOMPARE(QApplication::focusWidget(),
                     after.isEmpty() ? static_cast<QWidget *>(form->Command2) : edit);
            QVERIFY(form->MSChart1->isHidden() && form->Text4->text().isEmpty()); // none to see
        }
        QCOMPARE(::notice(form), notice);
        // A notice is heard as it comes, whatever has the focus; after a run, with its result.
        if (!notice.isEmpty())
            QVERIFY2(announcement(form).endsWith(notice), qPrintable(announcement(form)));
        // Enter on Run; or in the box that was reset, then on Run.
        for (int k = key == "Run" ? 0 : after.isEmpty() ? 1 : 2; k > 0; --k)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        QCOMPARE(form->Text4->text(), shown);
        if (!after.isEmpty()) QCOMPARE(::notice(form), QString());
    }

    void editingBringsBackPending()
    {
        runWith("0.3", "10", "20");
        QTest::mouseClick(form->txtRrate, Qt::LeftButton);
        QTest::keyClick(form->txtRrate, Qt::Key_Return); // back to 0.2, with a notice
        QVERIFY(!notice(form).isEmpty());
        QTest::keyClick(form->txtRrate, Qt::Key_5);
        QCOMPARE(notice(form), QString()); // the edit takes it away
        QVERIFY(form->MSChart1->isHidden() && form->Text4->text().isEmpty());
        QCOMPARE(enabledButtons(), "0001111");
        QCOMPARE(form->Label4->text(), "Population size at t =20");
        QCOMPARE(QApplication::focusWidget(), form->txtRrate);

        // DN/N still draws into the hidden chart and takes Run away again.
        QTest::mouseClick(form->Command8, Qt::LeftButton);
        QVERIFY(form->MSChart1->isHidden() && !form->Command2->isEnabled());
    }

    void observations_data()
    {
        // shown: the fit, or the notice; rate, size, end: the boxes after "Use the fitted values"
        // (empty: no fit to use), the end time spanning the counts
        columns<QString, QByteArray, QString, QString, QString, QString>(
            {"locale", "bytes", "shown", "rate", "size", "end"});
        QFile census(QFINDTESTDATA("../resources/census-1790-1860.csv"));
        QVERIFY(census.open(QIODevice::ReadOnly));
        const QByteArray counts = census.readAll();
        const QString figures = "r = 0.029515 ± 0.000143\nN(0) = 3956452\ndoubling time = 23.48\n"
                                "R² = 0.99986\ncounts fitted = 8\ncounts left out (0 or below) = 0";
        // clang-format off
        QTest::addRow("census") << "en_US" << counts << "Observed: counts.csv (8 counts)\n" + figures << "0.0295149955539769" << "3956451.84651189" << "70";
        QTest::addRow("census, German window") << "de_DE" << QByteArray(counts).replace(',', ';') << "Observed: counts.csv (8 counts)\n" + QString(figures).replace('.', ',') << "0,0295149955539769" << "3956451,84651189" << "70";
        QTest::addRow("zero and negative counts") << "en_US" << QByteArray("Tag;Anzahl\n0;10\n1;0\n2;12,5\n3;-1\n4;15,625\n") << "Observed: counts.csv (5 counts)\nr = 0.11157 ± 0.00000\nN(0) = 10.00000\ndoubling time = 6.213\nR² = 1.0000\ncounts fitted = 3\ncounts left out (0 or below) = 2" << "0.111571775657105" << "10" << "4";
        QTest::addRow("too few to fit") << "en_US" << QByteArray("1,5\n2,7\n") << "Observed: counts.csv (2 counts)\nA fit needs at least 3 counts above 0, taken at two times or more." << "" << "" << "20";
        QTest::addRow("a text cell") << "en_US" << QByteArray("t,N\n1,2\n2,many\n") << "counts.csv, line 3: not two numbers, time and count: \"2,many\"." << "" << "" << "20";
        QTest::addRow("empty file") << "en_US" << QByteArray() << "counts.csv holds no observations: it needs lines of two numbers, time and count." << "" << "" << "20";
        // clang-format on
    }

    // Ctrl+O reads counts off the window's thread and shows their fit; "Use the fitted values"
    // fills the boxes for Run. A file that cannot be read says which line, and changes nothing.
    void observations()
    {
        auto [locale, bytes, shown, rate, size, end] =
            fetch<QString, QByteArray, QString, QString, QString, QString>(
                {"locale", "bytes", "shown", "rate", "size", "end"});
        start(locale);
        QTemporaryDir folder;
        QFile file(folder.filePath("counts.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        form->ObservationsDialog = [&](QWidget *) { return file.fileName(); };
        QSignalSpy changed(&Observed, &Observations::changed);
        QTest::keyClick(form, Qt::Key_O, Qt::ControlModifier);
        const QString name = QDir::toNativeSeparators(file.fileName());
        if (rate.isEmpty() && !shown.startsWith("Observed")) {
            QTRY_COMPARE(::notice(form), QString(shown).replace("counts.csv", name));
            QCOMPARE(changed.count(), 0);
            QVERIFY(Observed.isEmpty() && !form->fitPanel);
            return;
        }
        QTRY_VERIFY(form->fitPanel && form->fitPanel->isVisible());
        QCOMPARE(form->fitPanel->text(), QString(shown).replace("counts.csv", name));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(form->useFitButton->isEnabled(), !rate.isEmpty());
        if (rate.isEmpty()) return;
        QTest::mouseClick(form->useFitButton, Qt::LeftButton);
        QCOMPARE(QStringList({form->txtRrate->text(), form->n0->text(), form->txtSimut->text()}),
                 QStringList({rate, size, end}));
        QVERIFY(form->Command2->isEnabled());
        QTest::mouseClick(form->Command2, Qt::LeftButton);
        QCOMPARE(::notice(form), QString());
        // The boxes hold 15 digits of each.
        QVERIFY(std::abs(Rrate / Observed.fit()->rate - 1) < 1e-14);
        QVERIFY(std::abs(Nt[0] / Observed.fit()->initialSize - 1) < 1e-14);
        QCOMPARE(Simut, end.toInt());
        // On N(t) and ln N(t) (without counts <= 0): a marker a count; the fit lies on the model.
        const double first = Observed.observations().front().time;
        for (QPushButton *button : {form->command4, form->Command3}) {
            QTest::mouseClick(button, Qt::LeftButton);
            const bool ln = button == form->Command3;
            const std::vector<ContentCurve> &curves = curvesOf(form->MSChart1);
            QCOMPARE(curves.size(), 3u);
            const QStringList legend = legendOf(form->MSChart1);
            QCOMPARE(legend.at(1),
                     QString("observed (%1 counts)").arg(Observed.observations().size()));
            QVERIFY2(legend.at(2).startsWith("fitted (r = " + rate.left(6)),
                     qPrintable(legend.at(2)));
            QList<QPointF> markers;
            for (const Observation &o : Observed.observations())
                if (!ln || o.count > 0)
                    markers << QPointF(o.time - first, ln ? std::log(o.count) : o.count);
            QCOMPARE(curves[1].points, markers);
            QVERIFY(curves[1].markers && form->MSChart1->drawn().curves[1].markers);
            for (const QPointF &p : curves[2].points)
                QVERIFY(std::abs(p.y() - curves[0].points[int(p.x())].y()) <=
                        1e-9 * std::abs(p.y()));
        }
        // The read-out names the count taken at the step.
        QTest::mouseClick(form->command4, Qt::LeftButton);
        QTest::keyClick(form->MSChart1, Qt::Key_Home);
        QVERIFY2(form->MSChart1->readout().text().contains(
                     "observed: N(t) = " +
                     QString::number(Observed.observations().front().count, 'g', 15)
                         .replace('.', QLocale().decimalPoint())),
                 qPrintable(form->MSChart1->readout().text()));
    }

    // Values that Run refuses, and a word of the message that tells the problems apart.
    void badValuesChangeNothing_data()
    {
        columns<QString, QString, QString, QString>({"rate", "size", "end", "message"});
        // clang-format off
        // 2999.5 rounds to 3000, and 65556 is 20 in 16 bits.
        for (const char *end : {"2999.5", "-1", "65556", "1e999"})
            QTest::addRow("end time %s", end) << "0.2" << "10" << end << "0 to 2999";
        QTest::addRow("N(0) beyond doubles") << "0.2" << "1e400" << "20" << "initial size N(0) is too large in size";
        QTest::addRow("r beyond doubles") << "1e400" << "10" << "20" << "growth rate r is too large in size";
        QTest::addRow("r beyond doubles, negative") << "-1e400" << "10" << "20" << "growth rate r is too large in size";
        QTest::addRow("r &H beyond doubles") << "&H" + QString(256, u'F') << "10" << "20" << "growth rate r is too large in size";
        QTest::addRow("r = 1 to 709 overflows") << "1" << "1" << "709" << "numbers of the model become too large in size";
        QTest::addRow("huge N(0) overflows") << "0.2" << "1e308" << "20" << "numbers of the model become too large in size";
        QTest::addRow("shrinking, yet overflows") << "-2" << "1e308" << "2" << "numbers of the model become too large in size";
        // clang-format on
    }

    // Run is all or nothing: a refused run leaves the last good one whole.
    void badValuesChangeNothing()
    {
        auto [rate, size, end, message] =
            fetch<QString, QString, QString, QString>({"rate", "size", "end", "message"});
        runWith("0.2", "10", "20");
        QTest::mouseClick(form->Command3, Qt::LeftButton); // lnN on display
        const Series nt = Nt, difference = NtDifference, deltaN = DeltaN;
        runWith(rate, size, end); // the edits enable Run again
        QVERIFY2(notice(form).contains(message), qPrintable(notice(form)));
        QVERIFY(Simut == 20 && Rrate == 0.2);
        QVERIFY(Nt == nt && NtDifference == difference && DeltaN == deltaN);
        QCOMPARE(form->Label4->text(), "Population size at t =20");
        QVERIFY(form->Command2->isEnabled() && form->Command10->isEnabled());
        QCOMPARE(form->MSChart1->title(), "Curve of lnN(t) vs. time");
        QCOMPARE(points().size(), 21);
        runWith("0.3", "10", "20"); // a good run takes the refusal away
        QCOMPARE(notice(form), QString());
    }

    // The chart buttons after a run: enabled, focus, what the chart shows; tick labels in the
    // desktop's format, written out from 1E-04 to below a million, beyond in E notation.
    void chartButtons_data()
    {
        // kept: a rate run and kept first; atFive: the point of t = 5; y, x: tick labels, or none
        columns<QString, QString, QString, QString, QString, QStringList, QString, QString, QString,
                QPointF, QStringList, QStringList>({"language", "kept", "rate", "size", "end",
                                                    "clicks", "enabled", "focus", "title", "atFive",
                                                    "y", "x"});
        const double n5 = 10 * std::exp(1.0), largest = std::numeric_limits<double>::max();
        const QString most = QString::number(largest, 'g', 17), nt = "Curve of N(t) vs. time",
                      perHead = "Curve of dN(t)/N(t)dt vs. N(t)";
        const QStringList time{"0", "5", "10", "15", "20"}, none;
        // clang-format off
        QTest::addRow("after Run, German") << "de" << "" << "0.2" << "10" << "20" << none << "0111101" << "MSChart1" << nt << QPointF(5, n5) << QStringList{"0", "200", "400", "600"} << time;
        QTest::addRow("lnN") << "en" << "" << "0.2" << "10" << "20" << QStringList{"Command3"} << "1011101" << "Command5" << "Curve of lnN(t) vs. time" << QPointF(5, std::log(n5)) << none << none;
        QTest::addRow("DN") << "en" << "" << "0.2" << "10" << "20" << QStringList{"Command5"} << "1101101" << "Command8" << "Curve of dN(t) vs. time" << QPointF(5, 0.2 * n5) << none << none;
        QTest::addRow("DN/N, German, fixed range") << "de" << "" << "0.2" << "10" << "20" << QStringList{"Command8"} << "1110101" << "Command9" << perHead << QPointF(n5, 0.2) << QStringList{"0", "0,1", "0,2", "0,3"} << QStringList{"0", "200", "400", "600"};
        QTest::addRow("lndN") << "en" << "" << "0.2" << "10" << "20" << QStringList{"Command9"} << "1111001" << "command4" << "Curve of ln(dN(t)) vs. time" << QPointF(5, std::log(0.2 * n5)) << none << none;
        QTest::addRow("lndN then lnN") << "en" << "" << "0.2" << "10" << "20" << QStringList{"Command9", "Command3"} << "1011001" << "Command5" << "Curve of lnN(t) vs. time" << QPointF(5, std::log(n5)) << none << none;
        QTest::addRow("round the cycle") << "en" << "" << "0.2" << "10" << "20" << QStringList{"Command3", "Command5", "Command8", "Command9", "command4"} << "0111101" << "Command3" << nt << QPointF(5, n5) << none << none;
        QTest::addRow("1.5E+14 beside a legend") << "en" << "0.2" << "0.5" << "10" << "60" << none << "0111101" << "MSChart1" << nt << QPointF(5, 10 * std::exp(2.5)) << QStringList{"0", "5.0E+13", "1.0E+14", "1.5E+14"} << QStringList{"0", "20", "40", "60"};
        QTest::addRow("1E-300 span") << "en" << "" << "0" << "1e-300" << "20" << none << "0111101" << "MSChart1" << nt << QPointF(5, 1e-300) << QStringList{"9.00E-301", "9.50E-301", "1.00E-300", "1.05E-300", "1.10E-300"} << time;
        QTest::addRow("the largest double") << "en" << "" << "0" << most << "20" << none << "0111101" << "MSChart1" << nt << QPointF(5, largest) << QStringList{"1.60E+308", "1.65E+308", "1.70E+308", "1.75E+308"} << time;
        QTest::addRow("negative range") << "en" << "" << "-0.2" << "10" << "20" << QStringList{"Command5"} << "1101101" << "Command8" << "Curve of dN(t) vs. time" << QPointF(5, -2 * std::exp(-1.0)) << QStringList{"-2.0", "-1.5", "-1.0", "-0.5", "0"} << time;
        QTest::addRow("tiny dN/N") << "en" << "" << "0.0001" << "0.001" << "20" << QStringList{"Command8"} << "1110101" << "Command9" << perHead << QPointF(0.001 * std::exp(0.0005), 0.0001) << QStringList{"0", "5.0E-05", "1.0E-04", "1.5E-04"} << QStringList{"0.001000", "0.001001", "0.001002", "0.001003"};
        QTest::addRow("r = 0") << "en" << "" << "0" << "10" << "20" << none << "0111101" << "MSChart1" << nt << QPointF(5, 10) << QStringList{"9.0", "9.5", "10.0", "10.5", "11.0"} << time;
        // clang-format on
    }

    void chartButtons()
    {
        auto [language, kept, rate, size, end, clicks, enabled, focus, title, atFive, y, x] =
            fetch<QString, QString, QString, QString, QString, QStringList, QString, QString,
                  QString, QPointF, QStringList, QStringList>({"language", "kept", "rate", "size",
                                                               "end", "clicks", "enabled", "focus",
                                                               "title", "atFive", "y", "x"});
        start(language);
        if (!kept.isEmpty()) {
            runWith(kept, size, end);
            MALVORA1::Kept.keep(currentRun());
        }
        runWith(rate, size, end);
        for (const QString &name : clicks)
            QTest::mouseClick(form->findChild<QPushButton *>(name), Qt::LeftButton);
        QCOMPARE(enabledButtons(), enabled);
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QCOMPARE(form->MSChart1->title(), title);
        QCOMPARE(accessibleText(form->MSChart1), title);
        QCOMPARE(points().size(), end.toInt() + 1);
        QCOMPARE(points().at(5), atFive);
        QCOMPARE(legendOf(form->MSChart1).isEmpty(), kept.isEmpty());
        if (y.isEmpty()) return;
        QCOMPARE(tickLabels(form->MSChart1, ChartControl::Y), y);
        QCOMPARE(tickLabels(form->MSChart1, ChartControl::X), x);
    }

    void tabOrderAndNames()
    {
        QStringList visited;
        for (int k = 0; k < 9; ++k) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        // Disabled buttons are passed over.
        QCOMPARE(visited, (QStringList{"Command2", "n0", "txtRrate", "Text4", "txtSimut",
                                       "Command6", "Command7", "Command1", "Command11"}));
        QCOMPARE(accessibleText(form->txtRrate), "Growth rate (r):");
        QCOMPARE(accessibleText(form->n0), "Initial size N(0):");
        QCOMPARE(accessibleText(form->txtSimut), "For t = 0 to ");
        QCOMPARE(accessibleText(form->Text4), "Population size at t =");
        QCOMPARE(accessibleText(form->Command11), "Quiz");
        // A reader speaks the instructions as the window opens; a box's label names only that box.
        QAccessibleInterface *instructions = QAccessible::queryAccessibleInterface(form->Label13);
        QVERIFY(instructions->relations().isEmpty());
        QCOMPARE(instructions->text(QAccessible::Name), form->Label13->text());
        const auto named = QAccessible::queryAccessibleInterface(form->Label1)->relations();
        QCOMPARE(named.size(), 1);
        QCOMPARE(named[0].first->object(), form->txtRrate);
        QCOMPARE(named[0].second, QAccessible::Labelled);
        // Run is heard at once, rounded; the result box is named as its label reads; on to the
        // chart.
        QTest::keyClick(form->Command2, Qt::Key_Return);
        QCOMPARE(announcement(form), "Population size at t = 20: 545.98");
        QCOMPARE(accessibleText(form->Text4), "Population size at t =20");
        QCOMPARE(QApplication::focusWidget(), form->MSChart1);
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

// The model: how boxes are read, how numbers are written, and Run's computation.
#include "datacolumns.h"
#include "model/growthfit.h"
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "model/observationfile.h"
#include "model/simulation.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>
#include <numeric>

using namespace MALVORA1;

// The decennial counts of the U.S. census, 1790 to 1860, as the program ships them.
static const QByteArray Census = "year,population of the United States\r\n"
                                 "1790,3929214\r\n1800,5308483\r\n1810,7239881\r\n"
                                 "1820,9638453\r\n1830,12866020\r\n1840,17069453\r\n"
                                 "1850,23191876\r\n1860,31443321\r\n";

// A number as the data file writes it.
static QByteArray fileText(double x)
{
    char text[FileNumberSize];
    return QByteArray(text, writeFileNumber(text, x) - text);
}

class tst_Model : public QObject
{
    Q_OBJECT
  private slots:
    void init() { clear(); }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value"); // NaN: no value, beyond the double range
        QTest::addColumn<bool>("whole");   // read to the end, blanks aside
        const double none = std::nan("");
        // clang-format off
        QTest::addRow("plain") << "20" << 20.0 << true;
        QTest::addRow("leading point") << ".5" << 0.5 << true;
        QTest::addRow("negative") << "-3.5" << -3.5 << true;
        QTest::addRow("lone point") << "." << 0.0 << false;
        QTest::addRow("lone sign") << "-" << 0.0 << false;
        QTest::addRow("blanks, tabs and line feeds inside") << " 1 2\t. 5\n" << 12.5 << true;
        QTest::addRow("carriage return stops") << "2\r0" << 2.0 << false;
        QTest::addRow("exponent") << "1.5E3" << 1500.0 << true;
        QTest::addRow("exponent without digits") << "3E" << 3.0 << false;
        QTest::addRow("hex") << "&H1F" << 31.0 << true;
        QTest::addRow("hex without digits") << "&H" << 0.0 << false;
        QTest::addRow("hex 16-bit wraps") << "&HFFFF" << -1.0 << true;
        QTest::addRow("hex 32-bit wraps") << "&HFFFFFFFF" << -1.0 << true;
        QTest::addRow("hex beyond doubles") << "&H" + QString(256, u'F') << none << true;
        QTest::addRow("hex just inside doubles") << "&H" + QString(255, u'F') << std::ldexp(1.0, 1020) << true;
        QTest::addRow("octal") << "&O17" << 15.0 << true;
        QTest::addRow("octal beyond doubles") << "&O" + QString(400, u'7') << none << true;
        QTest::addRow("octal stops at 8") << "&O178" << 15.0 << false;
        QTest::addRow("underflow is zero") << "1e-400" << 0.0 << true;
        QTest::addRow("beyond doubles") << "1e400" << none << true;
        QTest::addRow("beyond doubles, negative") << "-2E999" << none << true;
        QTest::addRow("400 digits") << "1" + QString(400, u'0') << none << true;
        QTest::addRow("zero with a huge exponent") << "0.000e999" << 0.0 << true;
        // clang-format on
    }

    void val()
    {
        auto [text, value, whole] = fetch<QString, double, bool>({"text", "value", "whole"});
        const auto result = Val(text);
        QCOMPARE(result.has_value(), !std::isnan(value));
        if (result) QCOMPARE(*result, value);
        QCOMPARE(valReadsWhole(text), whole);
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits"); // significant digits on the screen; the file keeps 15
        columns<QString, QString, QString>({"english", "german", "file"});
        // clang-format off
        QTest::addRow("below one") << 0.5 << 15 << "0.5" << "0,5" << ".5";
        QTest::addRow("negative below one") << -0.25 << 15 << "-0.25" << "-0,25" << "-.25";
        QTest::addRow("negative zero") << -0.0 << 15 << "0" << "0" << "0";
        QTest::addRow("smallest plain") << 0.0001 << 15 << "0.0001" << "0,0001" << ".0001";
        QTest::addRow("E notation small") << 0.00001 << 15 << "1E-05" << "1E-05" << "1E-05";
        QTest::addRow("E notation large") << 1.5e16 << 15 << "1.5E+16" << "1,5E+16" << "1.5E+16";
        QTest::addRow("largest double") << std::numeric_limits<double>::max() << 15 << "1.79769313486232E+308" << "1,79769313486232E+308" << "1.79769313486232E+308";
        QTest::addRow("tick, 3 digits") << 10.500000000000002 << 3 << "10.5" << "10,5" << "10.5";
        QTest::addRow("tick, whole stays plain") << 3000.0000000000005 << 1 << "3000" << "3000" << "3000";
        QTest::addRow("tick, negative") << -0.10500000000000001 << 3 << "-0.105" << "-0,105" << "-.105";
        QTest::addRow("tick, small") << 5.000000000000001e-15 << 1 << "5E-15" << "5E-15" << "5E-15";
        QTest::addRow("tick, below a million") << 999500.0000000001 << 4 << "999500" << "999500" << "999500";
        QTest::addRow("tick, a million") << 1e6 << 1 << "1E+06" << "1E+06" << "1000000";
        QTest::addRow("tick, 1.5E+14") << 1.5000000000000002e14 << 2 << "1.5E+14" << "1,5E+14" << "150000000000000";
        QTest::addRow("tick, subnormal") << -9e-317 << 1 << "-9E-317" << "-9E-317" << "-9.00000009997025E-317";
        QTest::addRow("tick, near the largest") << 1.65e308 << 3 << "1.65E+308" << "1,65E+308" << "1.65E+308";
        QTest::addRow("negative ten-thousandths") << -1234.0567 << 15 << "-1234.0567" << "-1234,0567" << "-1234.0567";
        QTest::addRow("ten-thousandths, 15 digits") << 99999999999.9999 << 15 << "99999999999.9999" << "99999999999,9999" << "99999999999.9999";
        QTest::addRow("ten-thousandths, 16 digits") << 100000000000.0001 << 15 << "100000000000" << "100000000000" << "100000000000";
        QTest::addRow("finer than ten-thousandths") << 0.12345 << 15 << "0.12345" << "0,12345" << ".12345";
        QTest::addRow("half a ten-thousandth") << -0.00005 << 15 << "-5E-05" << "-5E-05" << "-5E-05";
        QTest::addRow("15 digits, rounded") << 1234567890.123456 << 15 << "1234567890.12346" << "1234567890,12346" << "1234567890.12346";
        // clang-format on
    }

    void numberText()
    {
        auto [value, digits, english, german, file] = fetch<double, int, QString, QString, QString>(
            {"value", "digits", "english", "german", "file"});
        QCOMPARE(generalNumber(value, QLocale(QLocale::English), digits), english);
        QCOMPARE(generalNumber(value, QLocale(QLocale::German), digits), german);
        QCOMPARE(QString::fromLatin1(fileText(value)), file);
    }

    // The defaults at t = 20 to the last of the 15 digits the program shows: 10 e^4, r N, the step
    // to t = 21, the difference form's 10 * 1.2^20 and its r N; and N(21), the last point of the
    // large graph window's N(t+1) vs. N(t).
    void defaults()
    {
        QCOMPARE(simulate(u"20", u"10", u"0.2"), RunProblem::None);
        QCOMPARE(Simut, std::int16_t(20));
        QByteArrayList shown;
        for (double value :
             {Nt[20], dNdt[20], DeltaN[20], NtDifference[20], DeltaNDifference[20], Nt[21]})
            shown << fileText(value);
        QCOMPARE(shown,
                 (QByteArrayList{"545.981500331442", "109.196300066288", "120.881810077809",
                                 "383.375999244748", "76.6751998489495", "666.863310409252"}));
    }

    void observationFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>(
            "read"); // every observation as "t N", or the first two ... the last
        QTest::addColumn<int>("refused"); // the line refused; 0: none
        QByteArray many;
        for (int t = 0; t < 10000; ++t)
            many += QByteArray::number(t) + ';' + QByteArray::number(t + 1) + ",5\n";
        // clang-format off
        QTest::addRow("commas, header, CR LF") << Census << "1790 3929214, 1800 5308483 ... 1860 31443321" << 0;
        QTest::addRow("semicolons, decimal commas") << QByteArray("Tag;Anzahl\n0;12,5\n2;20\n") << "0 12.5, 2 20" << 0;
        QTest::addRow("tabs, decimal commas, no header") << QByteArray("0\t1,5\n1,5\t2e3\n") << "0 1.5, 1.5 2000" << 0;
        QTest::addRow("commas, periods, no header") << QByteArray("0,1.5\n2,4\n") << "0 1.5, 2 4" << 0;
        QTest::addRow("byte-order mark") << QByteArray("\xEF\xBB\xBFt;N\r\n1;2\r\n") << "1 2" << 0;
        QTest::addRow("quotes and blanks") << QByteArray("\"t\";\"N\"\n \"3\" ; +4 \n") << "3 4" << 0;
        QTest::addRow("blank lines hold nothing") << QByteArray("\n1,2\n\r\n3,4\n\n") << "1 2, 3 4" << 0;
        QTest::addRow("one line") << QByteArray("5,7") << "5 7" << 0;
        QTest::addRow("zero and negative counts are read") << QByteArray("0,0\n1,-3\n2,4\n") << "0 0, 1 -3, 2 4" << 0;
        QTest::addRow("10,000 lines") << many << "0 1.5, 1 2.5 ... 9999 10000.5" << 0;
        QTest::addRow("empty file") << QByteArray() << "" << 0;
        QTest::addRow("header alone") << QByteArray("time,count\r\n") << "" << 0;
        QTest::addRow("a text cell") << QByteArray("t,N\n1,2\n2,many\n3,4\n") << "" << 3;
        QTest::addRow("a number and a text on line 1") << QByteArray("1790,abc\n1800,5\n") << "" << 1;
        QTest::addRow("three cells") << QByteArray("1,2\n2,3,4\n") << "" << 2;
        QTest::addRow("one cell") << QByteArray("1;2\n3\n") << "" << 2;
        QTest::addRow("decimal comma in a comma file") << QByteArray("0,1,5\n") << "" << 1;
        QTest::addRow("thousands separator") << QByteArray("t;N\n1790;3.929.214\n") << "" << 2;
        QTest::addRow("infinity") << QByteArray("1,inf\n") << "" << 1;
        QTest::addRow("full-width digits") << QByteArray("1,\xEF\xBC\x92\n") << "" << 1;
        QTest::addRow("second header") << QByteArray("t,N\nt,N\n1,2\n") << "" << 2;
        // clang-format on
    }

    // A file is read whole or refused at the first line that is not two numbers, naming it.
    void observationFile()
    {
        auto [bytes, read, refused] = fetch<QByteArray, QString, int>({"bytes", "read", "refused"});
        const ObservationFile file = readObservations(bytes, QStringLiteral("counts.csv"));
        QStringList texts;
        for (const Observation &o : file.observations)
            texts << QString::number(o.time) + u' ' + QString::number(o.count, 'g', 12);
        if (texts.size() > 3) texts = {texts[0], texts[1] + QStringLiteral(" ... ") + texts.last()};
        QCOMPARE(texts.join(u", "), read);
        QCOMPARE(file.refusedLine, refused);
        QCOMPARE(file.problem.isEmpty(), !read.isEmpty());
        if (refused)
            QVERIFY2(file.problem.startsWith("counts.csv, line " + QString::number(refused) + ":"),
                     qPrintable(file.problem));
        else if (read.isEmpty())
            QCOMPARE(file.problem, "counts.csv holds no observations: it needs lines of two "
                                   "numbers, time and count.");
    }

    void growthFit_data()
    {
        QTest::addColumn<QList<double>>("times");
        QTest::addColumn<QList<double>>("counts");
        QTest::addColumn<double>("rate");    // NaN: no fit
        QTest::addColumn<double>("initial"); // at the first time
        QTest::addColumn<int>("leftOut");
        // clang-format off
        QTest::addRow("exact growth from t = 2") << QList<double>{2, 4, 6, 8} << QList<double>{5 * std::exp(0.6), 5 * std::exp(1.2), 5 * std::exp(1.8), 5 * std::exp(2.4)} << 0.3 << 5 * std::exp(0.6) << 0;
        QTest::addRow("exact decay, uneven times") << QList<double>{0, 1, 3.5, 10} << QList<double>{80, 80 * std::exp(-0.05), 80 * std::exp(-0.175), 80 * std::exp(-0.5)} << -0.05 << 80.0 << 0;
        QTest::addRow("zero and negative counts left out") << QList<double>{0, 1, 2, 3, 4} << QList<double>{0, 2 * std::exp(0.1), -1, 2 * std::exp(0.3), 2 * std::exp(0.4)} << 0.1 << 2.0 << 2;
        QTest::addRow("two counts are too few") << QList<double>{0, 1, 2} << QList<double>{1, 2, 0} << std::nan("") << 0.0 << 1;
        QTest::addRow("one time is too few") << QList<double>{3, 3, 3} << QList<double>{1, 2, 4} << std::nan("") << 0.0 << 0;
        // clang-format on
    }

    // On counts that lie on an exponential the fit gives it back, with no error and R² = 1.
    void growthFit()
    {
        auto [times, counts, rate, initial, leftOut] =
            fetch<QList<double>, QList<double>, double, double, int>(
                {"times", "counts", "rate", "initial", "leftOut"});
        std::vector<Observation> observations;
        for (qsizetype k = 0; k < times.size(); ++k)
            observations.push_back({times[k], counts[k]});
        QString problem;
        const auto fit = fitGrowth(observations, &problem);
        QCOMPARE(fit.has_value(), !std::isnan(rate));
        if (!fit) {
            QCOMPARE(problem, "A fit needs at least 3 counts above 0, taken at two times or more.");
            return;
        }
        QVERIFY(std::abs(fit->rate - rate) < 1e-12);
        QVERIFY(std::abs(fit->initialSize / initial - 1) < 1e-12);
        QVERIFY(fit->rateError < 1e-12);
        QVERIFY(std::abs(fit->rSquared - 1) < 1e-12);
        QCOMPARE(fit->leftOut, leftOut);
        QCOMPARE(fit->fitted, int(times.size()) - leftOut);
    }

    // The census by the textbook's sums (n Σxy - Σx Σy over n Σx² - (Σx)², in long double on the
    // years as they stand), and the figures as --fit prints them.
    void censusFit()
    {
        const ObservationFile file = readObservations(Census, QStringLiteral("census"));
        QString problem;
        const auto fit = fitGrowth(file.observations, &problem);
        QVERIFY(fit);
        long double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
        for (const Observation &o : file.observations) {
            const long double y = std::log((long double)o.count);
            n += 1, sx += o.time, sy += y, sxx += o.time * o.time, sxy += o.time * y;
        }
        const long double rate = (n * sxy - sx * sy) / (n * sxx - sx * sx);
        const long double atFirst = std::exp((sy - rate * sx) / n + rate * 1790);
        QVERIFY(std::abs(fit->rate / double(rate) - 1) < 1e-9);
        QVERIFY(std::abs(fit->initialSize / double(atFirst) - 1) < 1e-9);
        QCOMPARE(
            fitFigures(*fit, QLocale::c()),
            (QStringList{"r = 0.029515 ± 0.000143", "N(0) = 3956452", "doubling time = 23.48",
                         "R² = 0.99986", "counts fitted = 8", "counts left out (0 or below) = 0"}));
        QCOMPARE(fitFigures(*fit, QLocale(QLocale::German)).first(), "r = 0,029515 ± 0,000143");
    }
};

QTEST_GUILESS_MAIN(tst_Model)
#include "tst_model.moc"

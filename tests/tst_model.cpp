// The model: how boxes are read, how numbers are written, and Run's computation.
#include "model/malvora1.h"
#include "model/numbertext.h"
#include "model/simulation.h"

#include <QLocale>
#include <QTest>

#include <cmath>
#include <limits>

using namespace MALVORA1;

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
        QFETCH(QString, text);
        QFETCH(double, value);
        QFETCH(bool, whole);
        const auto result = Val(text);
        QCOMPARE(result.has_value(), !std::isnan(value));
        if (result) QCOMPARE(*result, value);
        QCOMPARE(valReadsWhole(text), whole);
    }

    void numberText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("digits"); // significant digits on the screen; the file keeps 15
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::addColumn<QString>("file");
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
        QFETCH(double, value);
        QFETCH(int, digits);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QFETCH(QString, file);
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
};

QTEST_GUILESS_MAIN(tst_Model)
#include "tst_model.moc"

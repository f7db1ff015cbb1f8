#include "driving.h"

#include <QPrinterInfo>

#include <csignal>

#include <sys/resource.h>

// Printing through a real print system: tests/printing.sh runs this against a
// private CUPS daemon whose default printer writes PDF files to $MALVORA_PDF_DIR.
class tst_Printing : public QObject
{
    Q_OBJECT

    QDir m_pdfs{qEnvironmentVariable("MALVORA_PDF_DIR")};

    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        process.waitForFinished(60000);
        return QString::fromLocal8Bit(process.readAllStandardOutput());
    }

    // Mean difference of grey levels (0 to 255) between two pictures of one size.
    static double difference(const QImage &a, const QImage &b)
    {
        double sum = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                sum += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
        return sum / (a.width() * a.height());
    }

    // Clicks with the process allowed to write files of no more than `bytes` (as `ulimit -f`
    // sets it): a longer write fails as on a full disk, with no signal to end the process.
    static void clickWithFileSizeLimit(QPushButton *button, rlim_t bytes)
    {
        rlimit before;
        QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
        rlimit limit = before;
        limit.rlim_cur = bytes;
        const auto handler = std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &before) == 0);
        std::signal(SIGXFSZ, handler);
    }

    bool printQueueEmpty() const { return run("lpstat", {"-o"}).trimmed().isEmpty(); }

    // What the window shows in words: its buttons' captions, its chart's title and tick labels.
    static QStringList textsOf(QWidget *form)
    {
        QStringList texts;
        for (const QPushButton *button : form->findChildren<QPushButton *>())
            if (button->isVisible() && !button->text().isEmpty()) texts << button->text();
        const auto *chart = form->findChild<ChartControl *>("MSChart1");
        return texts << chart->accessibleName() << tickLabels(chart, ChartControl::X)
                     << tickLabels(chart, ChartControl::Y);
    }

    // The width in pixels of the widest picture on the PDF's page.
    static int widestPicture(const QString &pdf)
    {
        int widest = 0;
        // page num type width height color comp bpc enc interp object-id x-ppi y-ppi size ratio
        for (const QString &line : run("pdfimages", {"-list", pdf}).split('\n').mid(2))
            if (const QStringList field = line.simplified().split(' '); field.size() > 3)
                widest = std::max(widest, field[3].toInt());
        return widest;
    }

  private slots:
    void initTestCase()
    {
        dropHarmlessWarnings();
        readSystemReasonsInEnglish();
        QVERIFY2(qEnvironmentVariableIsSet("MALVORA_PDF_DIR"),
                 "runs through tests/printing.sh, which sets up a private print system");
        QVERIFY(!QPrinterInfo::defaultPrinter().isNull());
    }

    void init() { MALVORA1::clear(); }

    void cleanup()
    {
        Forms::unloadAll();
        run("cupsaccept", {QPrinterInfo::defaultPrinterName()});
        for (const QString &file : m_pdfs.entryList(QDir::Files))
            m_pdfs.remove(file);
    }

    void print_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fault"); // the notice's words for it; empty: none
        const QString rejects = "printer", tooLarge = "cannot print now: File too large";
        // clang-format off
        QTest::addRow("Print form") << "Form1" << "Command7" << QString();
        QTest::addRow("P") << "larggraf" << "Command6" << QString();
        QTest::addRow("Print form, printer rejects") << "Form1" << "Command7" << rejects;
        QTest::addRow("P, printer rejects") << "larggraf" << "Command6" << rejects;
        QTest::addRow("Print form, page past the file size limit") << "Form1" << "Command7" << tooLarge;
        // clang-format on
    }

    // One page without a dialog, the window drawn on it scaled to the page; a printer that
    // rejects the job, or a page that cannot be written whole, gets a notice and nothing is
    // printed.
    void print()
    {
        auto [window, button, fault] =
            fetch<QString, QString, QString>({"window", "button", "fault"});
        if (fault == "printer") run("cupsreject", {QPrinterInfo::defaultPrinterName()});
        // The main window after a run with the defaults, or the large graph window opened from it.
        QWidget *form = window == "Form1" ? static_cast<QWidget *>(&runWith()) : &openLargeGraph();
        QVERIFY(QTest::qWaitForWindowExposed(form));
        const QImage shown = form->grab().toImage();

        auto *print = form->findChild<QPushButton *>(button);
        if (fault.endsWith("File too large"))
            clickWithFileSizeLimit(print, 4096);
        else
            QTest::mouseClick(print, Qt::LeftButton);

        if (!fault.isEmpty()) {
            QVERIFY2(notice(form).contains(fault), qPrintable(notice(form)));
            QVERIFY(form->isVisible() && difference(form->grab().toImage(), shown) < 1);
            QVERIFY(printQueueEmpty() && m_pdfs.entryList(QDir::Files).isEmpty());
            return;
        }
        QCOMPARE(notice(form), QString());
        QTRY_VERIFY_WITH_TIMEOUT(printQueueEmpty() && !m_pdfs.entryList(QDir::Files).isEmpty(),
                                 60000);
        const QStringList pdfs = m_pdfs.entryList(QDir::Files);
        QCOMPARE(pdfs.size(), 1);
        const QString pdf = m_pdfs.filePath(pdfs.first());
        QVERIFY2(run("pdfinfo", {pdf}).contains(QRegularExpression("\\nPages: +1\\n")),
                 qPrintable(run("pdfinfo", {pdf})));
        // The window drew itself onto the page: its words are text there, to search and to read
        // aloud, in fonts that the page carries...
        const QString words = run("pdftotext", {pdf, "-"}).simplified();
        for (const QString &text : textsOf(form))
            QVERIFY2(words.contains(
                         QRegularExpression("(^| )" + QRegularExpression::escape(text) + "( |$)")),
                     qPrintable(text + " not in: " + words));
        const QString fonts = run("pdffonts", {pdf});
        QVERIFY2(fonts.count('\n') > 2 &&
                     !fonts.contains(QRegularExpression(" no +(yes|no) +(yes|no) +\\d+ +\\d+\\n")),
                 qPrintable(fonts));
        // ... and no picture of the window: none is half its width (the author's photograph is
        // the widest).
        QVERIFY2(widestPicture(pdf) < form->width() / 2,
                 qPrintable(run("pdfimages", {"-list", pdf})));

        const QString png = m_pdfs.filePath("page");
        run("pdftoppm", {"-r", "100", "-png", "-singlefile", pdf, png});
        const QImage page(png + ".png");
        QVERIFY(!page.isNull());
        const QRect printed = inkIn(page, 240), own = inkIn(shown, 240);
        // Not cut off: the page shows the whole window, in its own proportions...
        const auto ratio = [](QRect r) { return double(r.width()) / r.height(); };
        QVERIFY2(std::abs(ratio(printed) - ratio(own)) < 0.02,
                 qPrintable(QString("%1 printed, %2 shown").arg(ratio(printed)).arg(ratio(own))));
        // ... scaled to fill the page's width or height...
        QVERIFY(printed.width() > page.width() * 0.8 || printed.height() > page.height() * 0.8);
        // ... and it is the window's image.
        const QSize small = own.size() / 4;
        const double apart = difference(
            page.copy(printed).scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            shown.copy(own).scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QVERIFY2(apart < 12, qPrintable(QString::number(apart)));
    }
};

QTEST_MAIN(tst_Printing)
#include "tst_printing.moc"

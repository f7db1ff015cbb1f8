#include "widgets/notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include <cups/cups.h>

namespace
{

const char *const Cause = "cause";

QMessageBox *noticeOf(QWidget *window)
{
    return window->findChild<QMessageBox *>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly);
}

} // namespace

void showNotice(QWidget *window, const char *cause, const QString &text)
{
    QMessageBox *box = noticeOf(window);
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), QString(),
                              QMessageBox::Ok, window);
        box->setObjectName(QStringLiteral("notice"));
        box->setWindowModality(Qt::NonModal);
        box->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    box->setProperty(Cause, QString::fromLatin1(cause));
    box->setText(text);
    box->show();
    box->raise();
}

void hideNotice(QWidget *window, const char *cause)
{
    QMessageBox *box = noticeOf(window);
    if (box && box->property(Cause).toString() == QLatin1String(cause)) box->hide();
}

namespace
{

/*
 * The print system's library is loaded when the first page is printed, not
 * when the program starts: it brings a dozen libraries of its own (encryption,
 * Kerberos, service discovery) that only printing needs. By then the toolkit's
 * own print support has loaded it already.
 */
struct PrintSystem {
    decltype(&::cupsPrintFile) printFile = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
};

const PrintSystem &printSystem()
{
    static const PrintSystem cups = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        return PrintSystem{
            reinterpret_cast<decltype(&::cupsPrintFile)>(library.resolve("cupsPrintFile")),
            reinterpret_cast<decltype(&::cupsLastErrorString)>(
                library.resolve("cupsLastErrorString"))};
    }();
    return cups;
}

// The image fills the page's printable area as far as its proportions allow.
bool drawImage(const QPixmap &image, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
    return painter.end();
}

} // namespace

void printWindowImage(QWidget *window)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        showNotice(
            window, "print",
            QCoreApplication::translate(
                "Printing", "No printer is available. Set up a default printer and try again."));
        return;
    }
    const QString printerName = printerInfo.printerName();
    const QString cannotPrint =
        QCoreApplication::translate("Printing", "The printer %1 cannot print now.")
            .arg(printerName);
    // The page goes to the print system as a PDF file handed over here, not
    // through the toolkit, which never learns whether the printer took the job.
    QTemporaryFile pdf(QDir::tempPath() + QStringLiteral("/malvora-XXXXXX.pdf"));
    if (!pdf.open()) {
        showNotice(window, "print", cannotPrint);
        return;
    }
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    const QPageLayout page = printer.pageLayout(); // the printer's paper and margins
    printer.setOutputFileName(pdf.fileName());
    printer.setPageLayout(page);
    if (!drawImage(window->grab(), printer)) {
        showNotice(window, "print", cannotPrint);
        return;
    }
    const PrintSystem &cups = printSystem();
    if (!cups.printFile || !cups.lastErrorString) {
        showNotice(window, "print", cannotPrint);
        return;
    }
    // A printer instance is named printer/instance; the print system takes the printer's name.
    if (cups.printFile(printerName.section(u'/', 0, 0).toLocal8Bit().constData(),
                       QFile::encodeName(pdf.fileName()).constData(),
                       window->windowTitle().toUtf8().constData(), 0, nullptr) == 0)
        showNotice(window, "print",
                   QCoreApplication::translate("Printing",
                                               "The printer %1 did not take the page: %2 "
                                               "Nothing was printed.")
                       .arg(printerName, QString::fromUtf8(cups.lastErrorString())));
    else
        hideNotice(window, "print");
}

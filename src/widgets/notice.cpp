#include "widgets/notice.h"

#include "model/filewrite.h"
#include "widgets/announce.h"
#include "widgets/formlayout.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScopeGuard>

#include <cups/cups.h>
#include <unistd.h>

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
        if (zoomOf(window) != 1) zoomWindow(window, zoomOf(window));
    }
    box->setProperty(Cause, QString::fromLatin1(cause));
    box->setText(text);
    box->show();
    box->raise();
    announce(window, text);
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
bool drawImage(const QPixmap &image, QPagedPaintDevice &page)
{
    QPainter painter;
    if (!painter.begin(&page)) return false;
    const QRect area = painter.viewport();
    const QSize size = image.size().scaled(area.size(), Qt::KeepAspectRatio);
    painter.setViewport(area.x(), area.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
    return painter.end();
}

// The page as a PDF in memory, on the printer's paper within its margins.
QByteArray pagePdf(const QPixmap &image, const QPrinter &printer)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    return drawImage(image, pdf) ? buffer.data() : QByteArray();
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
    const auto cannotPrint = [&](const QString &reason) {
        showNotice(window, "print",
                   reason.isEmpty()
                       ? QCoreApplication::translate("Printing", "The printer %1 cannot print now.")
                             .arg(printerName)
                       : QCoreApplication::translate("Printing", "The printer %1 cannot print now: "
                                                                 "%2. Nothing was printed.")
                             .arg(printerName, reason));
    };
    const QByteArray pdf = pagePdf(window->grab(), QPrinter(printerInfo, QPrinter::HighResolution));
    if (pdf.isEmpty()) {
        cannotPrint(QString());
        return;
    }
    /*
     * The print system takes the page as a file. It is a file of the temporary
     * folder without a name, written whole through the descriptor that made it
     * and checked; the print system reads it through that descriptor too
     * (/proc/self/fd/N), so that no one can put another file in its place, even
     * in a temporary folder that everyone may write to.
     */
    QString reason;
    const int file = unnamedFile(QFile::encodeName(QDir::tempPath()), &reason);
    const auto closeFile = qScopeGuard([file] {
        if (file >= 0) ::close(file);
    });
    if (file < 0 || !writeAll(file, pdf, &reason)) {
        cannotPrint(reason);
        return;
    }
    const PrintSystem &cups = printSystem();
    if (!cups.printFile || !cups.lastErrorString) {
        cannotPrint(QString());
        return;
    }
    // A printer instance is named printer/instance; the print system takes the printer's name.
    const QByteArray page = "/proc/self/fd/" + QByteArray::number(file);
    if (cups.printFile(printerName.section(u'/', 0, 0).toLocal8Bit().constData(), page.constData(),
                       window->windowTitle().toUtf8().constData(), 0, nullptr) == 0)
        showNotice(window, "print",
                   QCoreApplication::translate("Printing",
                                               "The printer %1 did not take the page: %2 "
                                               "Nothing was printed.")
                       .arg(printerName, QString::fromUtf8(cups.lastErrorString())));
    else
        hideNotice(window, "print");
}

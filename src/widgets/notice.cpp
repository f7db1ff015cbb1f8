#include "widgets/notice.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>

void showNotice(QWidget *window, const QString &text)
{
    auto *box =
        window->findChild<QMessageBox *>(QStringLiteral("notice"), Qt::FindDirectChildrenOnly);
    if (!box) {
        box = new QMessageBox(QMessageBox::Warning, window->windowTitle(), QString(),
                              QMessageBox::Ok, window);
        box->setObjectName(QStringLiteral("notice"));
        box->setWindowModality(Qt::NonModal);
    }
    box->setText(text);
    box->show();
    box->raise();
}

void printWindowImage(QWidget *window)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("Printing", text); };
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        showNotice(window, tr("No printer is available. Set up a default printer and try again."));
        return;
    }
    const QPixmap image = window->grab();
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) {
        showNotice(window, tr("The printer %1 cannot print now.").arg(printerInfo.printerName()));
        return;
    }
    const QRect page = painter.viewport();
    const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
}

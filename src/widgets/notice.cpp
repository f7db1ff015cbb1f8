#include "widgets/notice.h"

#include "widgets/announce.h"
#include "widgets/formlayout.h"
#include "widgets/wordbreaks.h"
#include "widgets/zoom.h"

#include <QMessageBox>

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
        // A notice takes the size its text and button need at the window's zoom
        // when it shows them; at another zoom it takes it again.
        QObject::connect(&Zoom::program(), &Zoom::changed, box,
                         [box] { box->setText(box->text()); });
    }
    box->setProperty(Cause, QString::fromLatin1(cause));
    box->setText(joinWords(text));
    box->show();
    box->raise();
    announce(window, text);
}

void hideNotice(QWidget *window, const char *cause)
{
    QMessageBox *box = noticeOf(window);
    if (box && box->property(Cause).toString() == QLatin1String(cause)) box->hide();
}

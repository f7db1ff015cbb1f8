#include "widgets/announce.h"

#include "model/keptruns.h"
#include "model/numbertext.h"
#include "widgets/accessiblerole.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLocale>
#include <QWidget>

namespace
{

/*
 * A window's speaking part: a window of its own that is never shown, so that
 * a reader speaks its words alone, not after the whole text of the window
 * that it speaks for, and showing that window again does not repeat what it
 * said last. Each announcement tells the screen reader that it was shown.
 */
class Announcer : public QWidget
{
    Q_OBJECT
  public:
    explicit Announcer(QWidget *window) : QWidget(window, Qt::Tool)
    {
        setObjectName(QStringLiteral("announcer"));
        setFocusPolicy(Qt::NoFocus);
        // Screen readers speak a notification, name and all, the moment it is shown.
        presentInRole(this, QAccessible::Notification);
    }
};

Announcer *announcerOf(QWidget *window)
{
    auto *announcer =
        window->findChild<Announcer *>(QStringLiteral("announcer"), Qt::FindDirectChildrenOnly);
    return announcer ? announcer : new Announcer(window);
}

} // namespace

void announce(QWidget *widget, const QString &text)
{
    if (!widget || text.isEmpty()) return;
    Announcer *announcer = announcerOf(widget->window());
    announcer->setAccessibleName(text);
    if (!QAccessible::isActive()) return;
    // Told afresh each time, so that a reader speaks the same words twice
    // when they come twice.
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent alert(announcer, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void announceKept(QWidget *widget, const RunSeries &run, int keptCount)
{
    const QLocale locale = widget->locale();
    //: Spoken when a run is kept: %1 is its rate r, %2 its initial size N(0)
    const QString kept =
        QCoreApplication::translate("Announce", "Run r = %1, N(0) = %2 kept")
            .arg(generalNumber(run.rate, locale), generalNumber(run.initialSize(), locale));
    //: Spoken after a run is kept, when it is the only one
    const QString count =
        keptCount == 1
            ? QCoreApplication::translate("Announce", "1 run kept")
            //: Spoken after a run is kept: %1 runs are kept now
            : QCoreApplication::translate("Announce", "%1 runs kept").arg(integerText(keptCount));
    announce(widget, kept + QStringLiteral("; ") + count);
}

void announceForgotten(QWidget *widget)
{
    announce(widget, QCoreApplication::translate("Announce", "No runs kept"));
}

#include "announce.moc"

#include "widgets/readerwait.h"

#include "widgets/formlayout.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace
{
// How long the writer may wait for a reader before the user hears of it, and
// how often it tries again meanwhile.
constexpr int Patience = 1000;
constexpr int Slice = 50;
} // namespace

ReaderWait::ReaderWait(QWidget *window, const QString &name) : m_window(window), m_name(name) {}

ReaderWait::~ReaderWait()
{
    delete m_notice;
}

Waiting ReaderWait::waiting()
{
    return [this] { return waitAWhile(); };
}

bool ReaderWait::waitAWhile()
{
    if (!m_since.isValid()) m_since.start();
    if (!m_notice && m_since.elapsed() >= Patience) {
        m_notice = new QMessageBox(
            QMessageBox::Information, m_window->windowTitle(),
            //: Shown while the program waits to write into a FIFO (a named pipe) or a device
            //: that no program reads; %1 is its name.
            QCoreApplication::translate("ReaderWait", "No program is reading %1 yet. The data go "
                                                      "to it as soon as one does; Cancel gives up.")
                .arg(QDir::toNativeSeparators(m_name)),
            QMessageBox::Cancel, m_window);
        m_notice->setObjectName(QStringLiteral("readerWait"));
        m_notice->setWindowModality(Qt::ApplicationModal);
        QObject::connect(m_notice, &QMessageBox::finished, [this] { m_cancelled = true; });
        if (zoomOf(m_window) != 1) zoomWindow(m_window, zoomOf(m_window));
        m_notice->show();
    }
    QEventLoop loop;
    QTimer::singleShot(Slice, &loop, &QEventLoop::quit);
    loop.exec(m_notice ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    return !m_cancelled;
}

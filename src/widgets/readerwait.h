#pragma once

#include "model/filewrite.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

/*
 * The window's side of writing into a FIFO or a device (model/filewrite.h):
 * while no program reads it, the window goes on painting and its clock on
 * ticking. After a second without a reader a notice says so and offers
 * Cancel; until then the user's clicks and keys wait, so that no second save
 * starts inside the first. The notice goes with the wait.
 */
class ReaderWait
{
  public:
    ReaderWait(QWidget *window, const QString &name);
    ReaderWait(const ReaderWait &) = delete;
    ReaderWait &operator=(const ReaderWait &) = delete;
    ~ReaderWait();

    // What the writer calls while it waits; valid as long as this lives.
    Waiting waiting();

  private:
    bool waitAWhile();

    QWidget *m_window;
    QString m_name;
    QElapsedTimer m_since;
    QPointer<QMessageBox> m_notice;
    bool m_cancelled = false;
};

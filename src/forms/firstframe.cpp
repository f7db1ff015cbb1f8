#include "forms/firstframe.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace
{

// Watches the window for its first paint; what is to run then waits for a
// zero timer, which fires once that paint has been drawn and handed to the
// display.
class FirstFrame : public QObject
{
  public:
    FirstFrame(QWidget &window, std::function<void()> then)
        : QObject(&window), m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, watched, std::move(m_then));
            deleteLater();
        }
        return false;
    }

  private:
    std::function<void()> m_then;
};

} // namespace

void afterFirstFrame(QWidget &window, std::function<void()> then)
{
    new FirstFrame(window, std::move(then));
}

#include "forms/program.h"

#include <QApplication>
#include <QWidget>

namespace
{
std::function<void()> &handler()
{
    static std::function<void()> end;
    return end;
}
} // namespace

void Program::end()
{
    if (handler()) {
        handler()();
        return;
    }
    for (QWidget *window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

void Program::setEndHandler(std::function<void()> end)
{
    handler() = std::move(end);
}

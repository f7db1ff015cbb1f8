#include "shell/forms.h"
#include "windows/main/form1.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Malvora"));
    app.setDesktopFileName(QStringLiteral("malvora"));
    app.setWindowIcon(QIcon(QStringLiteral(":/malvora.png")));
    // The program ends only by its own two ways out, never by a window closing last.
    app.setQuitOnLastWindowClosed(false);
    Forms::form<Form1>();
    const int status = app.exec();
    Forms::unloadAll();
    return status;
}

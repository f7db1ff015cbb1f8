#include "forms/forms.h"
#include "windows/form1.h"

#include <QApplication>
#include <QIcon>
#include <QSettings>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    // The program keeps nothing between runs: what the toolkit's own dialogs
    // would remember (the save dialog's last folder and view) lives only as
    // long as this run.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());

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

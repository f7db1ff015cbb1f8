#include "forms/forms.h"
#include "forms/language.h"
#include "forms/platform.h"
#include "model/filewrite.h"
#include "output/commandline.h"
#include "widgets/zoom.h"
#include "windows/form1.h"

#include <QApplication>
#include <QProcessEnvironment>

#include <clocale>
#include <csignal>
#include <cstdlib>
#include <string>

#include <langinfo.h>
#include <strings.h>

namespace
{

/*
 * Qt reads and writes file names and text in UTF-8, and when the environment
 * names another character type (LANG=C, LC_ALL=POSIX, no locale at all) it
 * switches to UTF-8 itself with a warning of several lines on standard error,
 * which a script reading the command line's one line of error does not want.
 * So the program chooses the UTF-8 character type first and keeps every other
 * category the user's environment names: in the environment, which Qt reads
 * again, and in the C library, which keeps it when the environment names a
 * locale this machine does not have.
 */
void chooseUtf8CharacterType()
{
    std::setlocale(LC_ALL, "");
    const char *codeset = nl_langinfo(CODESET);
    if (strcasecmp(codeset, "UTF-8") == 0 || strcasecmp(codeset, "utf8") == 0) return;
    // LC_ALL outranks LC_CTYPE: its value goes to every other category instead.
    if (const char *all = std::getenv("LC_ALL"); all && *all) {
        const std::string value = all;
        for (const char *category :
             {"LC_COLLATE", "LC_MESSAGES", "LC_MONETARY", "LC_NUMERIC", "LC_TIME"})
            setenv(category, value.c_str(), 1);
        unsetenv("LC_ALL");
    }
    setenv("LC_CTYPE", "C.UTF-8", 1);
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace

int main(int argc, char *argv[])
{
    holdStandardStreams();
    chooseUtf8CharacterType();
    // What the program keeps between starts (the zoom, the save dialogs'
    // folder) goes to ~/.config/Malvora/Malvora.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("Malvora"));
    QCoreApplication::setApplicationName(QStringLiteral("Malvora"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MALVORA_VERSION));
    // Arguments other than --zoom make this a command-line run, which needs no
    // display. They go on as the bytes they are: a file name need not be UTF-8.
    const QList<QByteArray> arguments(argv, argv + argc);
    const CommandLineRequest request = readCommandLine(arguments);
    if (request.action != CommandLineRequest::OpenWindows) {
        const QCoreApplication core(argc, argv);
        Language::install();
        return runCommandLine(arguments);
    }
    static_assert(CommandLineRequest::LeastZoom == Zoom::Least &&
                  CommandLineRequest::MostZoom == Zoom::Most);

    // A reader that goes away while a file is written into its FIFO is a
    // failed write for the window to tell of, not the end of the program.
    std::signal(SIGPIPE, SIG_IGN);

    const QByteArray platform = platformFor(QProcessEnvironment::systemEnvironment());
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    Language::install();
    app.setDesktopFileName(QStringLiteral("malvora"));
    // The program ends only by its own two ways out, never by a window closing last.
    app.setQuitOnLastWindowClosed(false);
    Zoom::program().start(request.zoom);
    Form1::start();
    const int status = app.exec();
    Forms::unloadAll();
    return status;
}

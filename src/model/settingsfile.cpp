#include "model/settingsfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Far more than the few lines the program keeps.
constexpr qint64 Largest = 64 * 1024;

bool fitFor(const struct stat &status)
{
    return S_ISREG(status.st_mode) && status.st_uid == ::geteuid() && status.st_size <= Largest;
}

// Whether the file may be used now; one line on standard error where it may not.
bool usable()
{
    const QByteArray name = QFile::encodeName(KeptSettings::fileName());
    struct stat status;
    // Not there yet (and no link pointing nowhere in its place): made afresh.
    const bool fit = ::stat(name.constData(), &status) == 0
                         ? fitFor(status)
                         : errno == ENOENT && ::lstat(name.constData(), &status) != 0;
    if (!fit)
        std::fprintf(stderr, "malvora: %s\n",
                     qPrintable(QCoreApplication::translate(
                                    "KeptSettings",
                                    "%1 is not a regular file of yours of at most 64 KB; it is "
                                    "left alone, and no setting is read from it or kept in it.")
                                    .arg(KeptSettings::fileName())));
    return fit;
}

} // namespace

QString KeptSettings::fileName()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' +
           QCoreApplication::organizationName() + u'/' + QCoreApplication::applicationName() +
           QStringLiteral(".conf");
}

QVariant KeptSettings::value(const QString &key, const QVariant &fallback)
{
    return usable() ? QSettings().value(key, fallback) : fallback;
}

void KeptSettings::setValue(const QString &key, const QVariant &value)
{
    if (usable()) QSettings().setValue(key, value);
}

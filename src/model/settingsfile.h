#pragma once

#include <QString>
#include <QVariant>

/*
 * What the program keeps between starts (the zoom, the save dialogs' folder),
 * in the user's settings file, ~/.config/Malvora/Malvora.conf. It is read and
 * written only while it is a regular file of the user's own of at most a few
 * kilobytes, or not there at all; a symbolic link to such a file is followed.
 * Anything else (a FIFO, which would hold the program before its first
 * window, a device, another user's file, a file of 100 MB) is left alone:
 * nothing is read from it or kept in it, and standard error says so in one
 * line each time (at start, where the zoom is read, and for each setting not
 * kept).
 */
namespace KeptSettings
{

QVariant value(const QString &key, const QVariant &fallback = {});
void setValue(const QString &key, const QVariant &value);

// The settings file's name, as the toolkit's settings find it.
QString fileName();

} // namespace KeptSettings

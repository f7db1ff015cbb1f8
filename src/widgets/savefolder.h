#pragma once

#include <QStringList>

// The folder the save dialogs open in: the one the user last saved into, kept
// between starts, if it is still a plain folder; else the user's documents
// folder (else the home folder).
QString saveFolder();
// Notes the folder of the file the user has just chosen to save.
void rememberSaveFolder(const QString &fileName);

/*
 * The folders of the list that are plain: folders the user may read and write,
 * on a file system of files (not /proc, /sys, /dev or another of the kernel's
 * pseudo file systems), that answer at once. The folders are looked at on
 * threads of their own, so that a network mount that no longer answers holds
 * the window up for a quarter of a second at most; such a folder is not plain.
 */
QStringList plainFolders(const QStringList &folders);

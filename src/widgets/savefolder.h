#pragma once

class QString;

// The folder the save dialogs open in: the one the user last saved into, kept
// between starts, else the user's documents folder (else the home folder).
QString saveFolder();
// Notes the folder of the file the user has just chosen to save.
void rememberSaveFolder(const QString &fileName);

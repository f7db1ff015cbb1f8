#include "widgets/savefolder.h"

#include "model/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
const QString Key = QStringLiteral("saveFolder");
}

QString saveFolder()
{
    const QString kept = KeptSettings::value(Key).toString();
    if (!kept.isEmpty() && QFileInfo(kept).isDir()) return kept;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void rememberSaveFolder(const QString &fileName)
{
    KeptSettings::setValue(Key, QFileInfo(fileName).absolutePath());
}

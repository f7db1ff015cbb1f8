#include "widgets/savedialog.h"

#include "model/settingsfile.h"

#include "widgets/formlayout.h"
#include "widgets/savefolder.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QSettings>
#include <QUrl>

namespace
{

const QString StateKey = QStringLiteral("saveDialog");

// Icons and types from a file's kind and name alone. The toolkit's own provider
// reads a file to learn its type where the name does not tell, and a read of a
// FIFO or of /proc/kmsg waits for good.
class NameOnlyIcons : public QFileIconProvider
{
  public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo &info) const override
    {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile()) return QFileIconProvider::type(info); // reads nothing
        const QMimeType mime =
            m_types.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        return mime.comment();
    }

  private:
    QMimeDatabase m_types;
};

/*
 * The toolkit's file dialog keeps its last folder, history and view in a file
 * that every Qt program of the user shares, and opens the next dialog of any
 * of them there: a folder on /proc left there froze every later dialog. The
 * group is put back as it was once the dialog has gone.
 */
class ToolkitState
{
  public:
    ToolkitState()
    {
        QSettings shared(QSettings::UserScope, QStringLiteral("QtProject"));
        m_existed = QFileInfo::exists(shared.fileName());
        shared.beginGroup(Group);
        for (const QString &key : shared.allKeys())
            m_values.insert(key, shared.value(key));
    }
    ~ToolkitState()
    {
        QSettings shared(QSettings::UserScope, QStringLiteral("QtProject"));
        shared.remove(Group);
        shared.beginGroup(Group);
        for (auto value = m_values.cbegin(); value != m_values.cend(); ++value)
            shared.setValue(value.key(), value.value());
        shared.endGroup();
        shared.sync();
        if (!m_existed && shared.allKeys().isEmpty()) QFile::remove(shared.fileName());
    }
    ToolkitState(const ToolkitState &) = delete;
    ToolkitState &operator=(const ToolkitState &) = delete;

  private:
    static inline const QString Group = QStringLiteral("FileDialog");
    QVariantMap m_values;
    bool m_existed = false;
};

QList<QUrl> plainUrls(const QList<QUrl> &urls)
{
    QStringList folders;
    for (const QUrl &url : urls)
        folders << url.toLocalFile();
    const QStringList plain = plainFolders(folders);
    QList<QUrl> kept;
    for (const QUrl &url : urls) // "file:" is the list of drives
        if (url.toLocalFile().isEmpty() || plain.contains(url.toLocalFile())) kept << url;
    return kept;
}

/*
 * The dialog for a file to save (AcceptSave) or to open (AcceptOpen, an
 * existing file), opening in saveFolder() with `name` chosen.
 */
QString askFileName(QWidget *parent, const QString &title, const QString &filters, QString *filter,
                    QFileDialog::AcceptMode mode, const QString &name = {})
{
    const ToolkitState shared;
    NameOnlyIcons icons;
    const QString start = saveFolder();
    QString chosen;
    {
        // Made in the root folder, which holds folders only, until it has the icons above.
        QFileDialog dialog(parent, title, QDir::rootPath());
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontResolveSymlinks |
                          QFileDialog::DontUseCustomDirectoryIcons);
        dialog.setIconProvider(&icons);
        dialog.setAcceptMode(mode);
        dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                           : QFileDialog::ExistingFile);
        if (!filters.isEmpty()) dialog.setNameFilter(filters);
        if (filter && !filter->isEmpty()) dialog.selectNameFilter(*filter);
        dialog.restoreState(KeptSettings::value(StateKey).toByteArray());
        dialog.setHistory(plainFolders(dialog.history()));
        dialog.setSidebarUrls(plainUrls(dialog.sidebarUrls()));
        dialog.setDirectory(start);
        if (!name.isEmpty()) dialog.selectFile(name);
        followZoomOf(&dialog, parent);
        if (dialog.exec() == QDialog::Accepted) {
            chosen = dialog.selectedFiles().value(0);
            if (filter) *filter = dialog.selectedNameFilter();
        }
        KeptSettings::setValue(StateKey, dialog.saveState());
    }
    return chosen;
}

} // namespace

QString askSaveFileName(QWidget *parent, const QString &title, const QString &filters,
                        QString *filter, const QString &name)
{
    return askFileName(parent, title, filters, filter, QFileDialog::AcceptSave, name);
}

QString askOpenFileName(QWidget *parent, const QString &title, const QString &filters)
{
    return askFileName(parent, title, filters, nullptr, QFileDialog::AcceptOpen);
}

QString askChartFileName(QWidget *parent, const QString &filters, QString *filter)
{
    return askSaveFileName(parent, QCoreApplication::translate("ChartMenu", "Save chart as"),
                           filters, filter);
}

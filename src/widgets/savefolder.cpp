#include "widgets/savefolder.h"

#include "model/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace
{
const QString Key = QStringLiteral("saveFolder");

// The kernel's file systems that hold no files of the user's, only views of
// the system (some of whose files block a reader for good).
bool pseudoFileSystem(const char *folder)
{
    struct statfs system;
    if (::statfs(folder, &system) != 0) return true;
    switch (static_cast<unsigned long>(system.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case SECURITYFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case PSTOREFS_MAGIC:
    case BPF_FS_MAGIC:
    case BINFMTFS_MAGIC:
    case EFIVARFS_MAGIC:
    case SELINUX_MAGIC:
    case NSFS_MAGIC:
    case HUGETLBFS_MAGIC:
    case AUTOFS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

// /dev is a file system of plain files' kind (devtmpfs), so it goes by its place.
bool systemPlace(const char *real)
{
    for (const char *top : {"/proc", "/sys", "/dev"}) {
        const size_t length = std::strlen(top);
        if (std::strncmp(real, top, length) == 0 && (real[length] == '/' || real[length] == 0))
            return true;
    }
    return false;
}

// Plain system calls only: this runs on a thread of its own.
bool plain(const QByteArray &folder)
{
    char real[PATH_MAX];
    struct stat status;
    return ::realpath(folder.constData(), real) && ::stat(real, &status) == 0 &&
           S_ISDIR(status.st_mode) && ::access(real, R_OK | W_OK | X_OK) == 0 &&
           !systemPlace(real) && !pseudoFileSystem(real);
}

// What the threads found, shared with them: a thread that hangs on a folder
// outlives the question and finds its answer unwanted.
struct Findings {
    std::mutex mutex;
    std::condition_variable answered;
    std::vector<int> plain; // -1 while unknown
    int unknown = 0;
};

} // namespace

QStringList plainFolders(const QStringList &folders)
{
    auto findings = std::make_shared<Findings>();
    findings->plain.assign(folders.size(), -1);
    findings->unknown = int(folders.size());
    for (qsizetype k = 0; k < folders.size(); ++k)
        std::thread([findings, k, folder = QFile::encodeName(folders[k])] {
            const bool found = !folder.isEmpty() && plain(folder);
            const std::lock_guard lock(findings->mutex);
            findings->plain[size_t(k)] = found;
            --findings->unknown;
            findings->answered.notify_all();
        }).detach();
    std::unique_lock lock(findings->mutex);
    findings->answered.wait_for(lock, std::chrono::milliseconds(250),
                                [&] { return findings->unknown == 0; });
    QStringList found;
    for (qsizetype k = 0; k < folders.size(); ++k)
        if (findings->plain[size_t(k)] == 1) found << folders[k];
    return found;
}

QString saveFolder()
{
    const QString kept = KeptSettings::value(Key).toString();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QStringList plain = plainFolders({kept, documents});
    if (plain.contains(kept)) return kept;
    return plain.contains(documents) ? documents : QDir::homePath();
}

void rememberSaveFolder(const QString &fileName)
{
    KeptSettings::setValue(Key, QFileInfo(fileName).absolutePath());
}

#include "model/filewrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The standard streams found closed at start, held open on /dev/null since.
bool closedAtStart[3] = {false, false, false};

// The system's words for an error. A failure with no error number set still
// has a reason: the device did not take the bytes.
QString reasonFor(int error)
{
    return QString::fromLocal8Bit(std::strerror(error != 0 ? error : EIO));
}

bool fail(QString *reason, int error = errno)
{
    *reason = reasonFor(error);
    return false;
}

// A descriptor that closes itself.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int d) : fd(d) {}
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (fd >= 0) ::close(fd);
    }
    // Closes it now, with the error a file system may report only here.
    bool close()
    {
        const int d = std::exchange(fd, -1);
        return ::close(d) == 0 || errno == EINTR;
    }
};

// The descriptor of the program's own that a name stands for: /dev/stdout,
// /dev/fd/1 and /proc/self/fd/1 all name descriptor 1. -1 for other names.
int ownDescriptor(const QByteArray &name)
{
    static const QByteArray streams[] = {"/dev/stdin", "/dev/stdout", "/dev/stderr"};
    for (int k = 0; k < 3; ++k)
        if (name == streams[k]) return k;
    const QByteArray folders[] = {"/dev/fd/", "/proc/self/fd/", "/proc/thread-self/fd/",
                                  "/proc/" + QByteArray::number(::getpid()) + "/fd/"};
    for (const QByteArray &folder : folders) {
        if (!name.startsWith(folder)) continue;
        const QByteArray number = name.mid(folder.size());
        bool ok = false;
        const int fd = number.toInt(&ok);
        if (ok && !number.isEmpty() && number.at(0) >= '0' && number.at(0) <= '9' && fd >= 0)
            return fd;
    }
    return -1;
}

QByteArray folderOf(const QByteArray &name)
{
    const qsizetype slash = name.lastIndexOf('/');
    if (slash < 0) return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : name.left(slash);
}

// Where a chain of symbolic links ends: the name of what is written. A link's
// relative target is read from the link's own folder.
bool followLinks(QByteArray *name, QString *reason)
{
    for (int links = 0;; ++links) {
        if (ownDescriptor(*name) >= 0) return true;
        struct stat status;
        if (::lstat(name->constData(), &status) != 0) return errno == ENOENT || fail(reason);
        if (!S_ISLNK(status.st_mode)) return true;
        if (links == 40) return fail(reason, ELOOP); // as the system counts them
        QByteArray target(qsizetype(status.st_size > 0 ? status.st_size : 4096) + 1,
                          Qt::Uninitialized);
        const ssize_t length = ::readlink(name->constData(), target.data(), size_t(target.size()));
        if (length < 0) return fail(reason);
        if (length >= target.size()) return fail(reason, ENAMETOOLONG);
        target.truncate(length);
        *name = target.startsWith('/') ? target : folderOf(*name) + '/' + target;
    }
}

bool writeBytes(int fd, QByteArrayView bytes, QString *reason)
{
    // A disk that fills up takes part of a write and says nothing; only the
    // next write fails and tells why. So a short write is followed by another
    // until all is written or one fails.
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return fail(reason, n < 0 ? errno : ENOSPC);
        written += n;
    }
    return true;
}

// A file beside the one named, that no other program writes: created here,
// under a name no one has, with the permission bits that the user's umask
// leaves of `mode`.
int newFileBeside(const QByteArray &name, mode_t mode, QByteArray *made, QString *reason)
{
    const QByteArray folder = folderOf(name);
    const QByteArray base = name.mid(name.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *made = folder + "/." + base.left(200) + '.' +
                QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".part";
        const int fd = ::open(made->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return fd;
        if (errno != EEXIST) break;
    }
    fail(reason);
    return -1;
}

// The regular file of that name replaced whole; `old` is its status when it exists.
bool replaceFile(const QByteArray &name, const struct stat *old, QByteArrayView bytes,
                 QString *reason)
{
    // Only a file the program may write is replaced, as a redirection would
    // write into it; root may write any.
    if (old && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) return fail(reason);
    QByteArray made;
    Descriptor file(newFileBeside(name, 0666, &made, reason));
    if (file.fd < 0) return false;
    const auto dropped = [&] {
        ::unlink(made.constData());
        return false;
    };
    if (old) {
        // The owner first, as a change of owner clears the set-id bits; a
        // user who may not give the file away may still keep its group.
        if (::fchown(file.fd, old->st_uid, old->st_gid) != 0)
            (void)!::fchown(file.fd, uid_t(-1), old->st_gid);
        if (::fchmod(file.fd, old->st_mode & 07777) != 0) return fail(reason) || dropped();
    }
    if (!writeBytes(file.fd, bytes, reason)) return dropped();
    if (::fsync(file.fd) != 0 || !file.close()) return fail(reason) || dropped();
    if (::rename(made.constData(), name.constData()) != 0) return fail(reason) || dropped();
    // The new name itself reaches the disk with the folder.
    Descriptor folder(::open(folderOf(name).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd >= 0) ::fsync(folder.fd);
    return true;
}

} // namespace

bool writeAll(int descriptor, QByteArrayView bytes, QString *reason)
{
    if (descriptor >= 0 && descriptor < 3 && closedAtStart[descriptor]) {
        //: Why a standard stream (such as standard output) cannot be written: the caller closed it.
        *reason = QCoreApplication::translate("FileWrite", "it is closed");
        return false;
    }
    if (!writeBytes(descriptor, bytes, reason)) return false;
    struct stat status;
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode) && ::fsync(descriptor) != 0)
        return fail(reason);
    return true;
}

bool writeFile(const QByteArray &name, QByteArrayView bytes, QString *reason)
{
    if (name.isEmpty()) return fail(reason, ENOENT);
    if (name.endsWith('/')) return fail(reason, EISDIR);
    QByteArray target = name;
    if (!followLinks(&target, reason)) return false;
    if (const int own = ownDescriptor(target); own >= 0) return writeAll(own, bytes, reason);
    struct stat status;
    if (::stat(target.constData(), &status) != 0) {
        if (errno != ENOENT) return fail(reason);
        return replaceFile(target, nullptr, bytes, reason);
    }
    if (S_ISDIR(status.st_mode)) return fail(reason, EISDIR);
    if (S_ISREG(status.st_mode)) return replaceFile(target, &status, bytes, reason);
    // A FIFO or a device: written into, as the shell's > would.
    Descriptor file(::open(target.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    if (file.fd < 0) return fail(reason);
    if (!writeBytes(file.fd, bytes, reason)) return false;
    return file.close() || fail(reason);
}

int unnamedFile(const QByteArray &folder, QString *reason)
{
    const int fd = ::open(folder.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
        fail(reason);
        return -1;
    }
    // A file system without unnamed files: a new file of the user's alone,
    // its name removed at once.
    QByteArray made;
    const int named = newFileBeside(folder + "/malvora", 0600, &made, reason);
    if (named >= 0) ::unlink(made.constData());
    return named;
}

std::optional<QByteArray> fileNameBytes(const QString &name)
{
    const QByteArray bytes = QFile::encodeName(name);
    if (name.contains(QChar::ReplacementCharacter) || QFile::decodeName(bytes) != name)
        return std::nullopt;
    return bytes;
}

QString displayName(const QByteArray &name)
{
    return QFile::decodeName(name);
}

QString unusableNameProblem(const QString &name)
{
    return QCoreApplication::translate(
               "FileWrite", "Cannot write %1: the name holds the sign %2, which stands for "
                            "characters that could not be read, so it would name another file. "
                            "Choose another name.")
        .arg(name, QChar(QChar::ReplacementCharacter));
}

void holdStandardStreams()
{
    for (int fd = 0; fd < 3; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        const int held = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        closedAtStart[fd] = held == fd;
        if (held >= 0 && held != fd) ::close(held);
    }
}

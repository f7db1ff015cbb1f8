#include "model/filewrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <iterator>
#include <utility>

#include <fcntl.h>
#include <poll.h>
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

/*
 * In a folder everyone may write that keeps its entries to their owners (the
 * sticky bit, as /tmp and a class share have), an entry that neither the user
 * nor the folder's owner made was planted there by someone else: a link that
 * points at the user's notes, a FIFO that waits for the data. The system
 * refuses a shell's redirection to follow or open such entries, and so does
 * the program, whoever runs it.
 */
bool planted(const QByteArray &name, const struct stat &entry)
{
    struct stat folder;
    if (::stat(folderOf(name).constData(), &folder) != 0) return false;
    const bool shared = (folder.st_mode & S_ISVTX) && (folder.st_mode & S_IWOTH);
    return shared && entry.st_uid != ::geteuid() && entry.st_uid != folder.st_uid;
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
        if (planted(*name, status)) return fail(reason, EACCES);
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

// Every byte into the descriptor. Where it takes none for now (a FIFO whose
// reader is slow, a terminal on hold, opened without waiting), `waiting` says
// whether to go on; without it the program waits in the system, as a shell does.
bool writeBytes(int fd, QByteArrayView bytes, QString *reason, const Waiting &waiting = {})
{
    // A disk that fills up takes part of a write and says nothing; only the
    // next write fails and tells why. So a short write is followed by another
    // until all is written or one fails.
    for (qsizetype written = 0; written < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + written, size_t(bytes.size() - written));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (waiting && !waiting()) return fail(reason, ECANCELED);
            pollfd ready{fd, POLLOUT, 0};
            if (!waiting) ::poll(&ready, 1, -1);
            continue;
        }
        if (n <= 0) return fail(reason, n < 0 ? errno : ENOSPC);
        written += n;
    }
    return true;
}

/*
 * The file beside the target while it is written, removed when SIGTERM,
 * SIGINT or SIGHUP ends the program before the file is renamed. Its name is
 * kept in plain bytes beforehand, as a signal handler may only unlink it; the
 * handler then gives the signal back to what handled it before, which
 * usually ends the program. A signal that was ignored stays ignored.
 */
constexpr int EndingSignals[] = {SIGTERM, SIGINT, SIGHUP};
char partName[4096];
volatile std::sig_atomic_t partArmed = 0;
struct sigaction earlier[std::size(EndingSignals)];
bool handled[std::size(EndingSignals)];

extern "C" void removePartAndEnd(int signal)
{
    if (partArmed) ::unlink(partName);
    for (std::size_t k = 0; k < std::size(EndingSignals); ++k)
        if (EndingSignals[k] == signal) ::sigaction(signal, &earlier[k], nullptr);
    ::raise(signal);
}

struct PartFile {
    PartFile()
    {
        struct sigaction removing = {};
        removing.sa_handler = removePartAndEnd;
        sigemptyset(&removing.sa_mask);
        for (std::size_t k = 0; k < std::size(EndingSignals); ++k) {
            ::sigaction(EndingSignals[k], nullptr, &earlier[k]);
            handled[k] = earlier[k].sa_handler != SIG_IGN;
            if (handled[k]) ::sigaction(EndingSignals[k], &removing, nullptr);
        }
    }
    PartFile(const PartFile &) = delete;
    PartFile &operator=(const PartFile &) = delete;
    ~PartFile()
    {
        disarm();
        for (std::size_t k = 0; k < std::size(EndingSignals); ++k)
            if (handled[k]) ::sigaction(EndingSignals[k], &earlier[k], nullptr);
    }
    // Before the file is made, so that no moment is left uncovered.
    void arm(const QByteArray &name)
    {
        partArmed = 0;
        if (size_t(name.size()) >= sizeof partName) return;
        std::memcpy(partName, name.constData(), size_t(name.size()) + 1);
        partArmed = 1;
    }
    void disarm() { partArmed = 0; }
};

// A file beside the one named, that no other program writes: created here,
// under a name no one has, with the permission bits that the user's umask
// leaves of `mode`.
int newFileBeside(const QByteArray &name, mode_t mode, QByteArray *made, QString *reason,
                  PartFile *part = nullptr)
{
    const QByteArray folder = folderOf(name);
    const QByteArray base = name.mid(name.lastIndexOf('/') + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *made = folder + "/." + base.left(200) + '.' +
                QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".part";
        if (part) part->arm(*made);
        const int fd = ::open(made->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return fd;
        if (part) part->disarm(); // someone else's file, or none
        if (errno != EEXIST) break;
    }
    fail(reason);
    return -1;
}

/*
 * A file the user may write, in a folder where they may make no file: written
 * in place, truncated first, as a shell's > does. This is not atomic: a
 * failure midway leaves the file cut short, where a replaced file would stay
 * as it was.
 */
bool writeInPlace(const QByteArray &name, QByteArrayView bytes, QString *reason)
{
    // Not blocking, in case the name has become a FIFO since it was looked at.
    Descriptor file(::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK));
    struct stat status;
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0) return fail(reason);
    if (!S_ISREG(status.st_mode)) return fail(reason, EACCES);
    if (::ftruncate(file.fd, 0) != 0 || !writeBytes(file.fd, bytes, reason)) return fail(reason);
    if (::fsync(file.fd) != 0 || !file.close()) return fail(reason);
    return true;
}

// The regular file of that name replaced whole; `old` is its status when it exists.
bool replaceFile(const QByteArray &name, const struct stat *old, QByteArrayView bytes,
                 QString *reason)
{
    // Only a file the program may write is replaced, as a redirection would
    // write into it; root may write any.
    if (old && ::faccessat(AT_FDCWD, name.constData(), W_OK, AT_EACCESS) != 0) return fail(reason);
    if (old && ::faccessat(AT_FDCWD, folderOf(name).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return writeInPlace(name, bytes, reason);
    QByteArray made;
    PartFile part;
    // Private from its first byte: a file that replaces another takes on the
    // old one's mode and owner only once no one else could have opened it.
    Descriptor file(newFileBeside(name, old ? 0600 : 0666, &made, reason, &part));
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
    part.disarm();
    // The new name itself reaches the disk with the folder.
    Descriptor folder(::open(folderOf(name).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.fd >= 0) ::fsync(folder.fd);
    return true;
}

// A FIFO or a device: written into, as the shell's > would. With `waiting`,
// a FIFO that no program reads yet is tried again for as long as it says so.
bool writeInto(const QByteArray &name, const struct stat &status, QByteArrayView bytes,
               QString *reason, const Waiting &waiting)
{
    const int flags = O_WRONLY | O_NOCTTY | O_CLOEXEC | (waiting ? O_NONBLOCK : 0);
    Descriptor file(::open(name.constData(), flags));
    while (file.fd < 0 && errno == ENXIO && S_ISFIFO(status.st_mode) && waiting) {
        if (!waiting()) return fail(reason, ECANCELED);
        file.fd = ::open(name.constData(), flags);
    }
    if (file.fd < 0) return fail(reason);
    if (!writeBytes(file.fd, bytes, reason, waiting)) return false;
    return file.close() || fail(reason);
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

bool writeFile(const QByteArray &name, QByteArrayView bytes, QString *reason,
               const Waiting &waiting)
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
    if ((S_ISREG(status.st_mode) || S_ISFIFO(status.st_mode)) && planted(target, status))
        return fail(reason, EACCES);
    if (S_ISREG(status.st_mode)) return replaceFile(target, &status, bytes, reason);
    return writeInto(target, status, bytes, reason, waiting);
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

#include "common/FileOps.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#include <filesystem>
#include <system_error>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace common {

ReadRefusal openRegularFile(QFile& file, const QString& path, QString* error) {
#ifdef Q_OS_WIN
    const QFileInfo info(path);
    if (!info.exists())
        return ReadRefusal::Missing;
    if (!info.isFile())
        return ReadRefusal::NotAFile;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return ReadRefusal::Unreadable;
    }
    return ReadRefusal::None;
#else
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? ReadRefusal::Missing : ReadRefusal::Unreadable;
    // A device is not even opened: opening some has effects of its own.
    if (!S_ISREG(st.st_mode))
        return ReadRefusal::NotAFile;
    // Opened without waiting, then asked again what it is: what was looked at is what is read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int why = errno;
        if (why == ENOENT || why == ENOTDIR)
            return ReadRefusal::Missing;
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(why));
        return ReadRefusal::Unreadable;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return ReadRefusal::NotAFile;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file.setFileName(path);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        if (error)
            *error = file.errorString();
        return ReadRefusal::Unreadable;
    }
    return ReadRefusal::None;
#endif
}

BoundedRead readRegularFile(const QString& path, qint64 maxBytes) {
    BoundedRead result;
    QFile file;
    result.refusal = openRegularFile(file, path, &result.error);
    if (result.refusal != ReadRefusal::None)
        return result;
    // Read in blocks: a size of 0 may stand for a file that never ends.
    constexpr qint64 kBlock = 1 << 20;
    for (;;) {
        const qint64 room = maxBytes - result.bytes.size();
        if (room <= 0) {
            char probe;
            result.cut = file.read(&probe, 1) == 1;
            break;
        }
        const qsizetype before = result.bytes.size();
        const qint64 want = std::min(room, kBlock);
        result.bytes.resize(before + qsizetype(want));
        const qint64 n = file.read(result.bytes.data() + before, want);
        if (n < 0) {
            result.bytes.clear();
            result.error = file.errorString();
            result.refusal = ReadRefusal::Unreadable;
            return result;
        }
        result.bytes.resize(before + qsizetype(n));
        if (n == 0)
            break;
    }
    return result;
}

bool renameReplacing(const QString& from, const QString& to, QString* error) {
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), ec);
    if (ec && error)
        *error = QString::fromLocal8Bit(ec.message());
    return !ec;
}

bool copyFileReplacing(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && !targetInfo.isWritable())
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    constexpr qint64 kBlock = 1 << 20;
    QByteArray buffer(kBlock, Qt::Uninitialized);
    for (;;) {
        const qint64 n = in.read(buffer.data(), kBlock);
        if (n < 0) {
            out.cancelWriting();
            return false;
        }
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n) {
            out.cancelWriting();
            return false;
        }
    }
    if (!out.commit())
        return false;
    // A copied program must stay startable.
    QFile::setPermissions(target, QFile::permissions(source) | QFileDevice::WriteOwner);
    QFile copied(target);
    if (copied.open(QIODevice::ReadWrite))
        copied.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    return true;
}

#ifdef Q_OS_WIN
namespace {
void changeAttributes(const QString& path, DWORD add, DWORD remove) {
    const auto native = reinterpret_cast<const wchar_t*>(path.utf16());
    const DWORD current = GetFileAttributesW(native);
    if (current != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(native, (current & ~remove) | add);
}
} // namespace

void setHidden(const QString& path) {
    changeAttributes(path, FILE_ATTRIBUTE_HIDDEN, 0);
}
void setArchive(const QString& path) {
    changeAttributes(path, FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
}
void makeWritable(const QString& path) {
    changeAttributes(path, 0, FILE_ATTRIBUTE_READONLY);
}
#else
void setHidden(const QString&) {}
void setArchive(const QString&) {}
void makeWritable(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
}
#endif

} // namespace common

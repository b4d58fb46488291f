#include "FileOps.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace common {

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

void setHidden(const QString& path) { changeAttributes(path, FILE_ATTRIBUTE_HIDDEN, 0); }
void setArchive(const QString& path) {
    changeAttributes(path, FILE_ATTRIBUTE_ARCHIVE, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
}
void makeWritable(const QString& path) { changeAttributes(path, 0, FILE_ATTRIBUTE_READONLY); }
#else
void setHidden(const QString&) {}
void setArchive(const QString&) {}
void makeWritable(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
}
#endif

} // namespace common

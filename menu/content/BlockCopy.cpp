#include "BlockCopy.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace menu {
namespace {

// A read-only file is one that may not be replaced, as on the systems the discs are made for;
// the permission bits decide, so that an administrator's copy behaves like anyone's.
bool isReadOnly(const QFileInfo& info) {
    return !(info.permissions() & QFileDevice::WriteOwner);
}

} // namespace

CopyResult copyInBlocks(const QString& source, const QString& destination,
                        const std::function<void(int percent)>& afterBlock, BlockSizes sizes) {
    const QFileInfo sourceInfo(source);
    const QFileInfo destinationInfo(destination);
    // Deleting the destination first would delete the source itself.
    if (destinationInfo.exists() && sourceInfo.exists() &&
        sourceInfo.canonicalFilePath() == destinationInfo.canonicalFilePath())
        return {CopyOutcome::AlreadyThere, {}};

    // Folders, devices and pipes are no files to copy.
    if (!sourceInfo.isFile())
        return {CopyOutcome::SourceUnreadable,
                sourceInfo.exists() ? QStringLiteral("not a file") : QStringLiteral("no such file")};
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return {CopyOutcome::SourceUnreadable, in.errorString()};

    if (destinationInfo.exists() || destinationInfo.isSymLink()) {
        if (destinationInfo.isDir() || (!destinationInfo.isSymLink() && isReadOnly(destinationInfo)) ||
            !QFile::remove(destination))
            return {CopyOutcome::DestinationKept, {}};
    }
    QFile out(destination);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return {CopyOutcome::DestinationBlocked, out.errorString()};

    const qint64 size = sourceInfo.size();
    sizes.first = std::max<qint64>(sizes.first, 1);
    sizes.largest = std::max(sizes.largest, sizes.first);
    qint64 blockSize = sizes.first;
    QByteArray buffer(qsizetype(blockSize), Qt::Uninitialized);
    QElapsedTimer clock;
    qint64 copied = 0;
    auto giveUp = [&](const QString& why) {
        out.close();
        QFile::remove(destination);
        return CopyResult{CopyOutcome::Interrupted, why};
    };
    for (;;) {
        clock.start();
        const qint64 n = in.read(buffer.data(), blockSize);
        if (n < 0)
            return giveUp(in.errorString());
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n)
            return giveUp(out.errorString());
        copied += n;
        const qint64 took = clock.elapsed();
        if (afterBlock)
            afterBlock(size > 0 ? int(std::min(100L, std::lround(double(copied) * 100.0 / double(size))))
                                : 100);
        if (took < sizes.quickMs && blockSize < sizes.largest)
            blockSize = std::min(blockSize * 2, sizes.largest);
        else if (took > sizes.slowMs && blockSize > sizes.first)
            blockSize = std::max(blockSize / 2, sizes.first);
        if (buffer.size() < blockSize)
            buffer.resize(qsizetype(blockSize));
    }
    if (size == 0 && afterBlock)
        afterBlock(100);
    out.setFileTime(sourceInfo.lastModified(), QFileDevice::FileModificationTime);
    if (!out.flush())
        return giveUp(out.errorString());
    out.close();
    if (out.error() != QFileDevice::NoError)
        return giveUp(out.errorString());
    return {CopyOutcome::Copied, {}};
}

QString copyFailureMessage(const CopyResult& result, const QString& source, const QString& destination) {
    const QString from = QDir::toNativeSeparators(source), to = QDir::toNativeSeparators(destination);
    switch (result.outcome) {
    case CopyOutcome::Copied:
    case CopyOutcome::AlreadyThere:
        return {};
    case CopyOutcome::SourceUnreadable:
        return QStringLiteral("%1 was not copied: it cannot be read (%2).").arg(from, result.error);
    case CopyOutcome::DestinationKept:
        return QStringLiteral("%1 was not copied: %2 exists and cannot be replaced.").arg(from, to);
    case CopyOutcome::DestinationBlocked:
        return QStringLiteral("%1 was not copied: %2 cannot be created (%3).").arg(from, to, result.error);
    case CopyOutcome::Interrupted:
        return QStringLiteral("The copy of %1 broke off and was removed: %2").arg(to, result.error);
    }
    return {};
}

} // namespace menu

#include "menu/content/BlockCopy.h"

#include "menu/reader/LanguageTexts.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

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
                        const std::function<void(int percent)>& afterBlock, BlockSizes sizes,
                        const std::atomic<bool>* stop) {
    const QFileInfo sourceInfo(source);
    const QFileInfo destinationInfo(destination);
    if (destinationInfo.exists() && sourceInfo.exists() &&
        sourceInfo.canonicalFilePath() == destinationInfo.canonicalFilePath())
        return {CopyOutcome::AlreadyThere, {}};

    // Folders, devices and pipes are no files to copy.
    QFile in;
    QString why;
    const common::ReadRefusal refusal = common::openRegularFile(in, source, &why);
    switch (refusal) {
    case common::ReadRefusal::None:
        break;
    case common::ReadRefusal::Missing:
    case common::ReadRefusal::NotAFile:
    case common::ReadRefusal::Unreadable:
        return {CopyOutcome::SourceUnreadable, why, refusal};
    }

    // A link is replaced itself, never written through.
    if (!destinationInfo.isSymLink() &&
        (destinationInfo.isDir() || (destinationInfo.exists() && isReadOnly(destinationInfo))))
        return {CopyOutcome::DestinationKept, {}};
    QTemporaryFile out(destinationInfo.absolutePath() + QStringLiteral("/.") + destinationInfo.fileName() +
                       QStringLiteral(".XXXXXX"));
    if (!out.open())
        return {CopyOutcome::DestinationBlocked, out.errorString()};

    const qint64 size = sourceInfo.size();
    sizes.first = std::max<qint64>(sizes.first, 1);
    sizes.largest = std::max(sizes.largest, sizes.first);
    qint64 blockSize = sizes.first;
    QByteArray buffer(qsizetype(blockSize), Qt::Uninitialized);
    QElapsedTimer clock;
    qint64 copied = 0;
    for (;;) {
        if (stop && stop->load())
            return {CopyOutcome::Stopped, {}};
        clock.start();
        const qint64 n = in.read(buffer.data(), blockSize);
        if (n < 0)
            return {CopyOutcome::Interrupted, in.errorString()};
        if (n == 0)
            break;
        if (out.write(buffer.constData(), n) != n)
            return {CopyOutcome::Interrupted, out.errorString()};
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
    if (!out.flush())
        return {CopyOutcome::Interrupted, out.errorString()};
    out.setFileTime(sourceInfo.lastModified(), QFileDevice::FileModificationTime);
    // The temporary file is private; the copy is the viewer's, and a program stays startable.
    constexpr QFile::Permissions kExecute = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
    out.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                       QFile::ReadGroup | QFile::ReadOther | (sourceInfo.permissions() & kExecute));
    out.close();
    if (out.error() != QFileDevice::NoError)
        return {CopyOutcome::Interrupted, out.errorString()};
    if (!common::renameReplacing(out.fileName(), destination, &why))
        return {CopyOutcome::Interrupted, why};
    out.setAutoRemove(false);
    return {CopyOutcome::Copied, {}};
}

QString copyFailureMessage(const CopyResult& result, const QString& source, const QString& destination,
                           int language) {
    const OwnMessages& messages = ownMessages(language);
    const QString from = QDir::toNativeSeparators(source), to = QDir::toNativeSeparators(destination);
    switch (result.outcome) {
    case CopyOutcome::Copied:
    case CopyOutcome::AlreadyThere:
    case CopyOutcome::Stopped:
        return {};
    case CopyOutcome::SourceUnreadable:
        return messages.notCopiedUnreadable.arg(
            from, result.refusal == common::ReadRefusal::Missing    ? messages.noSuchFile
                  : result.refusal == common::ReadRefusal::NotAFile ? messages.notAFile
                                                                    : result.error);
    case CopyOutcome::DestinationKept:
        return messages.notCopiedKept.arg(from, to);
    case CopyOutcome::DestinationBlocked:
        return messages.notCopiedBlocked.arg(from, to, result.error);
    case CopyOutcome::Interrupted:
        return messages.copyBrokeOff.arg(to, result.error);
    }
    return {};
}

} // namespace menu

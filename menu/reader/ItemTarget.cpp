#include "menu/reader/ItemTarget.h"

#include "common/Paths.h"

#include <QFileInfo>

namespace menu {
namespace {

const QString kJumpPoint = QStringLiteral("JUMP POINT");

bool isSeparator(QChar c) {
    return c == u'\\' || c == u'/';
}

qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/'));
}

} // namespace

ItemTarget resolveTarget(const QString& rawTarget, const QString& drivePrefix, const QString& rootRest) {
    QString value = rawTarget;
    if (value.right(kJumpPoint.size()).toUpper() == kJumpPoint)
        value.chop(kJumpPoint.size());
    if (isAddress(value))
        return {value, ItemTarget::Kind::Address};

    // A path that the build wrote begins with a backslash; one that does not still lies below the root.
    QString shown = rootRest.isEmpty() || value.isEmpty() || isSeparator(value.front())
                        ? rootRest + value
                        : rootRest + u'\\' + value;
    if (shown.startsWith(u'\\'))
        shown.remove(0, 1);
    ItemTarget target{drivePrefix + common::toHostPath(shown), ItemTarget::Kind::File};
    if (!target.path.isEmpty() && isSeparator(target.path.back()))
        target.kind = ItemTarget::Kind::Folder;
    return target;
}

ItemTarget locateTarget(const ItemTarget& target, const QString& drivePrefix) {
    if (target.kind == ItemTarget::Kind::Address || QFileInfo::exists(target.path) ||
        !target.path.startsWith(drivePrefix) || !QFileInfo(drivePrefix).isDir())
        return target;
    QString found =
        common::resolveIgnoringCase(drivePrefix, QStringView(target.path).mid(drivePrefix.size()));
    if (!QFileInfo::exists(found))
        return target;
    if (target.kind == ItemTarget::Kind::Folder)
        found = common::withTrailingSeparator(found);
    return {found, target.kind};
}

ItemTarget findTarget(const QString& rawTarget, const QString& drivePrefix, const QString& rootRest,
                      const QString& discRoot) {
    const ItemTarget target = locateTarget(resolveTarget(rawTarget, drivePrefix, rootRest), drivePrefix);
    if (target.kind == ItemTarget::Kind::Address || QFileInfo::exists(target.path) || discRoot == drivePrefix)
        return target;
    const ItemTarget onDisc = locateTarget(resolveTarget(rawTarget, discRoot, QString()), discRoot);
    return QFileInfo::exists(onDisc.path) ? onDisc : target;
}

QString companionBesideTarget(const QString& targetPath, const QString& extension) {
    const qsizetype sep = lastSeparator(targetPath);
    const qsizetype dot = targetPath.lastIndexOf(u'.');
    const QString base = dot > sep ? targetPath.left(dot) : targetPath;
    return base + extension;
}

QString targetExtension(const QString& targetPath) {
    const qsizetype sep = lastSeparator(targetPath);
    const qsizetype dot = targetPath.lastIndexOf(u'.');
    return dot > sep ? targetPath.mid(dot + 1) : QString();
}

} // namespace menu

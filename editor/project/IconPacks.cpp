#include "editor/project/IconPacks.h"

#include "common/IniFile.h"
#include "common/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace iconpacks {
namespace {

QString packFile(const QString& packFolder, int pack) {
    return packFolder + QStringLiteral("ip") + packNumber(pack) + QStringLiteral(".cfg");
}

} // namespace

QString folder(const QString& programFolder) {
    return common::withTrailingSeparator(common::resolveIgnoringCase(programFolder, u"ip"));
}

QList<int> installed(const QString& packFolder) {
    QList<int> packs;
    for (int pack = 1; pack <= kMaxPacks; ++pack) {
        if (QFileInfo(packFile(packFolder, pack)).isFile())
            packs << pack;
    }
    return packs;
}

QString packNumber(int pack) {
    return QStringLiteral("%1").arg(pack, 2, 10, QLatin1Char('0'));
}

QString entryText(int pack) {
    return QStringLiteral("Icon Pack ") + packNumber(pack);
}

int packOfEntry(const QString& entry) {
    bool ok = false;
    const int pack = entry.right(2).toInt(&ok);
    return ok && pack > 0 ? pack : 0;
}

int iconCount(const QString& packFolder, int pack) {
    return common::IniFile(packFile(packFolder, pack)).readInteger(u"general", u"anz_icons", 0) & 0xFF;
}

QString iconNumber(int icon) {
    return icon < 10 ? u'0' + QString::number(icon) : QString::number(icon);
}

QString iconFile(const QString& packFolder, int pack, int icon) {
    const QString name = QStringLiteral("ip") + packNumber(pack);
    return packFolder + name + QDir::separator() + name + u'i' + iconNumber(icon) + QStringLiteral(".ico");
}

} // namespace iconpacks

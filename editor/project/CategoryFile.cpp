#include "editor/project/CategoryFile.h"

#include "common/CategoryCount.h"
#include "common/FileOps.h"
#include "common/IniFile.h"
#include "common/Paths.h"
#include "editor/project/EnvironmentFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace categoryfile {
namespace {

const QString kGeneral = QStringLiteral("general");

QString folderOf(const QString& path) {
    return common::withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
}

} // namespace

QString filter() {
    return QStringLiteral("Tavik - Lumbrel - Categoryfile|*.lbc");
}

QString defaultSuffix() {
    return QStringLiteral("lbc");
}

QString startFolder(const QString& programFolder) {
    return common::withTrailingSeparator(common::resolveIgnoringCase(programFolder, u"genre"));
}

QString standardFile(const QString& programFolder) {
    return common::resolveIgnoringCase(programFolder, u"Files\\Standard.lbc");
}

bool isStandardFile(const QString& path, const QString& programFolder) {
    return environmentfiles::isSameFile(path, standardFile(programFolder));
}

QString iconFile(const QString& folder, int number) {
    return folder + QString::number(number) + QStringLiteral(".ico");
}

Contents read(const QString& path) {
    Contents contents;
    if (!QFileInfo(path).isFile())
        return contents;
    const common::IniFile file(path);
    const int count = common::readCategoryCount(file);
    const QString folder = folderOf(path);
    for (int i = 0; i < count; ++i) {
        const QString icon = iconFile(folder, i);
        if (!environmentfiles::canOpen(icon)) {
            contents.missingIcon = icon;
            return contents;
        }
        contents.icons << icon;
    }
    for (int i = 0; i < count; ++i) {
        const QString section = QString::number(i);
        Category category;
        category.caption = file.readString(section, u"caption", QStringLiteral("Fehler"));
        category.iconNumber = file.readInteger(section, u"icon_number", 0);
        category.iconSource = iconFile(folder, category.iconNumber);
        contents.categories << category;
    }
    return contents;
}

bool write(const QString& path, const QList<Entry>& categories, QString* failedFile) {
    const auto fail = [&](const QString& file) {
        if (failedFile)
            *failedFile = file;
        return false;
    };
    common::IniFile file(path);
    const QString folder = folderOf(path);
    const int count = int(std::min<qsizetype>(categories.size(), kMaxCategories));
    file.writeInteger(kGeneral, u"anz_items", count);
    QStringList sources;
    for (int i = 0; i < count; ++i) {
        const QString section = QString::number(i);
        file.writeString(section, u"caption", categories[i].caption);
        file.writeInteger(section, u"icon_number", i);
        sources << categories[i].iconSource;
        // The reader refuses a file with a category that has no icon.
        if (!environmentfiles::canOpen(sources[i]) && !environmentfiles::canOpen(iconFile(folder, i)))
            return fail(sources[i].isEmpty() ? iconFile(folder, i) : sources[i]);
    }
    if (!file.save())
        return fail(path);
    copyIcons(folder, sources);
    for (int i = 0; i < count; ++i) {
        if (!environmentfiles::canOpen(iconFile(folder, i)))
            return fail(iconFile(folder, i));
    }
    return true;
}

void copyIcons(const QString& folder, const QStringList& sources) {
    const auto temporary = [&](int i) { return folder + QString::number(i) + QStringLiteral(".tmp"); };
    for (int i = 0; i < sources.size(); ++i) {
        // A stale i.tmp from an interrupted save must not stand in for a source that is missing now.
        QFile::remove(temporary(i));
        if (common::copyFileReplacing(sources[i], temporary(i)))
            common::setHidden(temporary(i));
    }
    for (int i = 0; i < sources.size(); ++i) {
        if (!QFileInfo(temporary(i)).isFile())
            continue;
        const QString icon = iconFile(folder, i);
        common::copyFileReplacing(temporary(i), icon);
        QFile::remove(temporary(i));
        common::setArchive(icon);
    }
}

} // namespace categoryfile

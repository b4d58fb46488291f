#include "editor/project/ProjectFolders.h"

#include "common/IniFile.h"
#include "common/Paths.h"
#include "editor/project/SettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace projectfolders {

bool holdsFolder(const QString& rootname) {
    return !rootname.isEmpty() && rootname != QStringLiteral(" ");
}

QString makeFolder(const QString& parent, const QString& name) {
    // One level below the chosen folder only: a typed path must not create folders elsewhere.
    if (name.isEmpty() || name.size() > kMaxFolderNameLength || name == u'.' ||
        name == QStringLiteral("..") || name.contains(u'/') || name.contains(u'\\') ||
        name.contains(QChar(0)))
        return {};
    const QString folder = common::withTrailingSeparator(QDir::toNativeSeparators(parent)) + name;
    if (QFileInfo::exists(folder) || !QDir().mkdir(folder))
        return {};
    return common::withTrailingSeparator(folder);
}

bool removeEmptyFolder(const QString& folder) {
    const QDir dir(folder);
    return dir.exists() &&
           dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System) &&
           QDir().rmdir(dir.absolutePath());
}

QString lastProject(const QString& settingsFile) {
    const QString file = EditorSettings::read(common::IniFile(settingsFile)).lastProject;
    return QFileInfo(file).isFile() ? file : QString();
}

} // namespace projectfolders

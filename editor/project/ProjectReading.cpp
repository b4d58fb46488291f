#include "editor/project/ProjectReading.h"

#include "common/IniFile.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"

#include <QDir>
#include <QFileInfo>

namespace projectreading {
namespace {

const QString kGeneral = QStringLiteral("general");

// The file a project names by the three keys `prefix`, `prefix`alone and `prefix`ext, looked for
// where the editor looks; else the replacement, when it is a file.
QString settle(const common::IniFile& file, const QString& prefix, const QString& programSubfolder,
               const QString& programFolder, const QString& replacement) {
    const QString stored = file.readString(kGeneral, prefix, QStringLiteral("not found"));
    const QString found =
        environmentfiles::findStoredFile(stored, programFolder + programSubfolder + QDir::separator(),
                                         file.readString(kGeneral, prefix + QStringLiteral("alone")),
                                         file.readString(kGeneral, prefix + QStringLiteral("ext")));
    if (!found.isEmpty())
        return found;
    return QFileInfo(replacement).isFile()
               ? QDir::toNativeSeparators(QFileInfo(replacement).absoluteFilePath())
               : QString();
}

} // namespace

Result read(const QString& projectFile, EditorState& state, ItemTable& items, const Replacements& chosen) {
    Result result;
    const QFileInfo info(projectFile);
    if (!info.exists() && !info.isSymLink()) {
        result.outcome = Outcome::Missing;
        return result;
    }
    // A folder, a pipe or a device is no project, and reading a pipe could wait for ever.
    if (!info.isFile()) {
        result.outcome = Outcome::NotAProject;
        return result;
    }
    const common::IniFile file(projectFile);
    if (!file.wasRead()) {
        result.outcome = Outcome::Unreadable;
        return result;
    }
    if (!file.hasSection(kGeneral)) {
        result.outcome = Outcome::NotAProject;
        return result;
    }
    const QString categoryFile = settle(file, QStringLiteral("genre_file"), QStringLiteral("genre"),
                                        state.programFolder, chosen.categoryFile);
    if (categoryFile.isEmpty()) {
        result.outcome = Outcome::CategoryFileMissing;
        result.missingFile = file.readString(kGeneral, u"genre_file");
        return result;
    }
    const QString designFile = settle(file, QStringLiteral("menu_file"), QStringLiteral("menudesign"),
                                      state.programFolder, chosen.designFile);
    if (designFile.isEmpty()) {
        result.outcome = Outcome::DesignFileMissing;
        result.missingFile = file.readString(kGeneral, u"menu_file");
        return result;
    }
    state.files.categoryFile.set(categoryFile);
    state.pendingCategoryFile = categoryFile;
    state.categories = loadCategoryList(categoryFile);
    state.categoryResolved = true;
    state.files.designFile.set(designFile);
    state.designResolved = true;
    result.refusedMedia = designfile::load(state, designFile);
    result.count = projectfile::read(file, state, items);
    state.files.projectFile.set(QDir::toNativeSeparators(info.absoluteFilePath()));
    state.categoryResolved = false;
    state.designResolved = false;
    state.modified = false;
    return result;
}

} // namespace projectreading

#include "editor/disc/DesignPreview.h"

#include "common/FileOps.h"
#include "common/Paths.h"
#include "editor/disc/DiscBuild.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"

#include <QDir>
#include <QFile>

#include <vector>

namespace designpreview {
namespace {

QString filesFolder(const QString& programFolder) {
    return common::withTrailingSeparator(common::resolveIgnoringCase(programFolder, u"Files"));
}

} // namespace

QString previewProgram(const QString& programFolder) {
    return filesFolder(programFolder) + QStringLiteral("tiv.exe");
}

QString previewConfigFolder(const QString& programFolder) {
    return common::withTrailingSeparator(common::resolveIgnoringCase(filesFolder(programFolder), u"CFG"));
}

bool write(EditorState& state) {
    const QString files = filesFolder(state.programFolder);
    const QString cfg = previewConfigFolder(state.programFolder);
    if (!QDir().mkpath(cfg))
        return false;
    const QString designFile = state.files.designFile.path();
    const bool modified = state.design.modified;

    // The design file names its media by the copies, as on a disc.
    std::vector<std::pair<FileHolder*, QString>> moved;
    // A medium that did not reach the folder would show as an older one.
    bool mediaWritten = true;
    for (const auto& [medium, name] : discbuild::designMedia(state.files)) {
        const QString copy = cfg + name;
        if (!designfile::isUsableMedium(medium->path())) {
            QFile::remove(copy);
            continue;
        }
        mediaWritten &= common::copyFileReplacing(medium->path(), copy);
        moved.emplace_back(medium, medium->path());
        medium->set(copy);
    }
    const DesignModel& d = state.design;
    const QString language = files + discbuild::languageFileName(d.language, d.style);
    if (QFile::exists(language))
        common::copyFileReplacing(language, cfg + QStringLiteral("language.zol"));
    for (int m = 1; m <= discbuild::kItemIconCount; ++m)
        common::copyFileReplacing(files + discbuild::itemIconName(m), cfg + discbuild::itemIconName(m));

    const bool written = designfile::write(state, cfg + QStringLiteral("design.cfg"));

    for (const auto& [medium, path] : moved)
        medium->set(path);
    state.files.designFile.set(designFile);
    state.design.modified = modified;
    return written && mediaWritten;
}

} // namespace designpreview

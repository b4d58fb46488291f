#include "editor/project/ProjectSession.h"

#include "common/FileOps.h"
#include "common/IniFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"
#include "editor/project/ItemOrdering.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

class ProjectSession::BusyScope {
public:
    explicit BusyScope(const ProjectSession& s) : m_s(s) {
        if (m_s.onBusy)
            m_s.onBusy(true);
    }
    ~BusyScope() {
        if (m_s.onBusy)
            m_s.onBusy(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    const ProjectSession& m_s;
};

namespace {

// How many names the working copy tries beside the project before it gives up.
constexpr int kWorkingCopyNames = 100;

// A new, empty file beside the project, named after its whole file name with a leading dot (hidden
// where dot files are) and ".tmp". Only a name that was free is taken, so the working copy can never
// be the project itself or a file of the user's; empty when no file could be made.
QString createWorkingCopy(const QString& projectFile) {
    const QFileInfo project(projectFile);
    const QString stem = project.absolutePath() + QDir::separator() + u'.' + project.fileName();
    for (int n = 0; n < kWorkingCopyNames; ++n) {
        const QString path = QDir::toNativeSeparators(
            stem + (n == 0 ? QString() : u'.' + QString::number(n)) + QStringLiteral(".tmp"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        // A name that is taken, or a link that points nowhere, belongs to someone else.
        if (!QFileInfo::exists(path) && !QFileInfo(path).isSymLink())
            return {};
    }
    return {};
}

} // namespace

ProjectSession::ProjectSession(EditorState& state, ItemTable& items) : m_state(state), m_items(items) {}

bool ProjectSession::hasProjectFile() const {
    return m_state.files.projectFile.exists();
}

QString ProjectSession::projectsFolder() const {
    return m_state.programFolder + QStringLiteral("projects") + QDir::separator();
}

QString ProjectSession::workingCopyPath() const {
    return m_state.files.workingCopy.path();
}

QString ProjectSession::ensureWorkingCopy() {
    ProjectFiles& d = m_state.files;
    if (d.workingCopy.path().isEmpty() && d.projectFile.exists())
        d.workingCopy.set(createWorkingCopy(d.projectFile.path()));
    return d.workingCopy.path();
}

void ProjectSession::recomputeRowColours() {
    ::recomputeRowColours(m_items, m_state.prefs.color1, m_state.prefs.color2);
}

void ProjectSession::reloadCategoryList() {
    if (m_state.files.categoryFile.exists())
        m_state.categories = loadCategoryList(m_state.files.categoryFile.path());
}

ProjectSession::OpenResult ProjectSession::open(const QString& projectFile, const ChosenFiles& chosen) {
    BusyScope busy(*this);
    const common::IniFile file(projectFile);
    const auto general = [&](const char16_t* key, const QString& fallback = {}) {
        return file.readString(u"general", QStringView(key), fallback);
    };
    const QString notFound = QStringLiteral("not found");
    OpenResult result;
    const QString categoryFolder = m_state.programFolder + QStringLiteral("genre") + QDir::separator();
    const QString categoryFile =
        !chosen.categoryFile.isEmpty()
            ? chosen.categoryFile
            : environmentfiles::findStoredFile(general(u"genre_file", notFound), categoryFolder,
                                               general(u"genre_filealone"), general(u"genre_fileext"));
    const QString designFolder = m_state.programFolder + QStringLiteral("menudesign") + QDir::separator();
    const QString designFile =
        !chosen.designFile.isEmpty()
            ? chosen.designFile
            : environmentfiles::findStoredFile(general(u"menu_file", notFound), designFolder,
                                               general(u"menu_filealone"), general(u"menu_fileext"));
    if (categoryFile.isEmpty())
        result = {Missing::CategoryFile, categoryFolder, {}};
    else if (designFile.isEmpty())
        result = {Missing::DesignFile, designFolder, {}};
    else {
        m_state.saveDialogFileName = projectFile;
        m_state.files.categoryFile.set(categoryFile);
        if (!chosen.categoryFile.isEmpty())
            m_state.pendingCategoryFile = chosen.categoryFile;
        m_state.files.designFile.set(designFile);
        m_state.categoryResolved = true;
        m_state.designResolved = true;
        reloadCategoryList();
        if (loadDesign)
            loadDesign();
        result.count = projectfile::read(file, m_state, m_items);
        recreateWorkingCopy(projectFile);
        m_state.modified = false;
    }
    m_state.categoryResolved = false;
    m_state.designResolved = false;
    if (m_items.itemCount() == 1 && m_items.field(0, ItemField::Name).isEmpty() &&
        m_items.field(0, ItemField::FileName).isEmpty())
        m_items.setRecords({});
    recomputeRowColours();
    return result;
}

bool ProjectSession::writeProjectTo(const QString& path, bool generalOnly) {
    if (!generalOnly)
        return projectfile::save(path, m_state, m_items);
    common::IniFile file(path);
    projectfile::writeGeneral(file, m_state);
    return file.save();
}

bool ProjectSession::saveToWorkingCopy() {
    BusyScope busy(*this);
    const QString path = ensureWorkingCopy();
    if (path.isEmpty() || !writeProjectTo(path, false))
        return false;
    common::setHidden(path);
    m_state.files.workingCopy.set(path);
    return true;
}

void ProjectSession::saveGeneralToWorkingCopy() {
    const QString path = ensureWorkingCopy();
    if (path.isEmpty())
        return;
    writeProjectTo(path, true);
    common::setHidden(path);
    m_state.files.workingCopy.set(path);
}

void ProjectSession::readWorkingCopy() {
    BusyScope busy(*this);
    projectfile::read(common::IniFile(workingCopyPath()), m_state, m_items);
}

bool ProjectSession::save() {
    BusyScope busy(*this);
    // A working copy that could not be written holds an older state: it must not replace the file.
    const QString project = m_state.files.projectFile.path();
    if (!saveToWorkingCopy() || !common::copyFileReplacing(workingCopyPath(), project))
        return false;
    common::setArchive(project);
    m_state.modified = false;
    recomputeRowColours();
    return true;
}

bool ProjectSession::saveAs(QString projectFile) {
    if (QFileInfo(projectFile).suffix().isEmpty())
        projectFile += QStringLiteral(".lbp");
    BusyScope busy(*this);
    if (!writeProjectTo(projectFile, false))
        return false;
    common::setArchive(projectFile);
    recreateWorkingCopy(projectFile);
    m_state.modified = false;
    recomputeRowColours();
    return true;
}

void ProjectSession::recreateWorkingCopy(const QString& projectFile) {
    ProjectFiles& d = m_state.files;
    d.projectFile.set(projectFile);
    deleteWorkingCopy();
    const QString copy = createWorkingCopy(projectFile);
    if (copy.isEmpty())
        return; // the next save to the working copy tries again
    if (!common::copyFileReplacing(projectFile, copy)) {
        QFile::remove(copy); // made empty just now, by this session
        return;
    }
    d.workingCopy.set(copy);
    common::setHidden(copy);
}

void ProjectSession::workingCopyCycle(const std::function<void()>& dialog) {
    saveToWorkingCopy();
    dialog();
    if (!m_state.modified)
        return;
    reloadCategoryList();
    // Only the names go in again: the item sections written before the dialog still hold each
    // item's category position under the old list, which is what lets a renamed category keep
    // its items when they are read back. Items whose category is still in the list are pointed at
    // its new place, or a moved category would hand its items to whichever took its old place.
    saveGeneralToWorkingCopy();
    if (const QString path = workingCopyPath(); !path.isEmpty()) {
        common::IniFile file(path);
        projectfile::writeCategoryPositions(file, m_state, m_items);
        file.save();
    }
    // The working copy is Windows-1252: only the categories, resolved anew, are taken from it;
    // every other text keeps what memory holds, characters the file cannot store included.
    const EditorState before = m_state;
    ItemRows rows;
    rows.reserve(m_items.itemCount());
    for (int r = 0; r < m_items.itemCount(); ++r)
        rows.append(m_items.record(r));
    readWorkingCopy();
    m_state.cdName = before.cdName;
    m_state.projectFolder = before.projectFolder;
    m_state.addFileStartFolder = before.addFileStartFolder;
    m_state.pendingCategoryFile = before.pendingCategoryFile;
    m_state.files.categoryFile = before.files.categoryFile;
    m_state.files.designFile = before.files.designFile;
    if (rows.size() == m_items.itemCount()) {
        const int category = fieldIndex(ItemField::Category);
        ItemRows merged;
        merged.reserve(rows.size());
        for (int r = 0; r < rows.size(); ++r) {
            ItemRecord record = rows.record(r);
            record[category] = m_items.field(r, category);
            merged.append(record);
        }
        m_items.setRecords(std::move(merged));
    }
    recomputeRowColours();
}

void ProjectSession::deleteWorkingCopy() {
    ProjectFiles& d = m_state.files;
    const QString path = d.workingCopy.path();
    // Only the copy this session made is deleted, and never once it has been opened as the project.
    if (!path.isEmpty() && !environmentfiles::isSameFile(path, d.projectFile.path())) {
        common::setArchive(path);
        QFile::remove(path);
    }
    d.workingCopy.clear();
}

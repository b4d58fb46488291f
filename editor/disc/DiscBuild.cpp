#include "editor/disc/DiscBuild.h"

#include "common/FileOps.h"
#include "common/IniFile.h"
#include "common/Paths.h"
#include "editor/disc/ItemKind.h"
#include "editor/disc/web/WebMenu.h"
#include "editor/project/DesignFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"
#include "editor/project/ItemTable.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <iterator>

using namespace Qt::StringLiterals;

namespace discbuild {
namespace {

// A manifest larger than this was not written by a build.
constexpr qint64 kMaxManifestBytes = 1 << 20;

// The menu program's runtime folders, below the program folder's runtime and the disc's CFG.
constexpr QStringView kRuntimeFolders[] = {u"lib", u"plugins", u"translations"};

// Where the build writes or deletes, a symbolic link is taken away first, so that nothing the
// link points at (a documents folder, a file of the user) is touched.
void removeLink(const QString& path) {
    if (QFileInfo(path).isSymLink())
        QFile::remove(path);
}

// A folder of the disc that is a real folder, not a link to one; false when it cannot be made.
bool makeRealFolder(const QString& folder) {
    removeLink(QDir::cleanPath(folder));
    return QDir().mkpath(folder);
}

bool sameBytes(const QString& a, const QString& b) {
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    constexpr qint64 kBlock = 1 << 16;
    while (!fa.atEnd()) {
        if (fa.read(kBlock) != fb.read(kBlock))
            return false;
    }
    return true;
}

bool sameBytes(const QByteArray& bytes, const QString& path) {
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// Whether `target` is what a copy of `source` made: a copy keeps its source's size and modification
// time, and its permissions with the owner's write permission. Such a file is not written again.
bool isCopyOf(const QFileInfo& source, const QString& target) {
    const QFileInfo copy(target);
    return copy.isFile() && !copy.isSymLink() && copy.size() == source.size() &&
           copy.lastModified() == source.lastModified() &&
           copy.permissions() == (source.permissions() | QFileDevice::WriteOwner);
}

// The files beyond the fixed layout that an earlier build wrote, relative to the disc folder with
// "/" between folders. Only names that a build can write are taken: the list lies in a folder
// that anyone may have prepared.
QSet<QString> readManifest(const QString& path) {
    QSet<QString> names;
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || info.size() > kMaxManifestBytes ||
        !file.open(QIODevice::ReadOnly))
        return names;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QString name = QString::fromUtf8(line).trimmed();
        const bool runtime =
            std::any_of(std::begin(kRuntimeFolders), std::end(kRuntimeFolders), [&](QStringView folder) {
                return name.startsWith(u"CFG/"_s + folder.toString() + u'/');
            });
        const bool listable =
            runtime || name == u"qt.conf"_s || name == u"autorun"_s || webmenu::isWebMenuFile(name);
        if (listable && !name.contains(u'\\') && !name.split(u'/').contains(u".."_s))
            names.insert(name);
    }
    return names;
}

// Copies where a source exists; a source that exists but cannot be copied means the target is
// not writable.
class Copier {
public:
    Copier(QString disc, QSet<QString> written) : m_disc(std::move(disc)), m_earlier(std::move(written)) {}

    void copy(const QString& source, const QString& target) {
        const QFileInfo from(source);
        if (!from.isFile())
            return;
        removeLink(target);
        if (!isCopyOf(from, target) && !common::copyFileReplacing(source, target))
            m_failed = true;
    }
    // A file without which the menu program on the disc does not work as it should.
    void copyNeeded(const QString& source, const QString& target) {
        if (QFileInfo(source).isFile())
            copy(source, target);
        else
            m_missing << QDir::toNativeSeparators(source);
    }
    // A medium that is not a file of a medium's size is left off the disc, and named.
    void copyOrRemove(const FileHolder& medium, const QString& target) {
        removeLink(target);
        if (designfile::isUsableMedium(medium.path())) {
            copy(medium.path(), target);
            return;
        }
        QFile::remove(target);
        if (medium.exists())
            m_missing << QDir::toNativeSeparators(medium.path());
    }
    // A file beyond the fixed layout, named relative to the disc folder: it replaces only a file
    // that an earlier build wrote (or one that holds the same bytes); a file of the user stays.
    void copyListed(const QString& source, const QString& relative) {
        if (!QFileInfo(source).isFile())
            return;
        const QString target = m_disc + QDir::toNativeSeparators(relative);
        if (!mayReplace(relative, [&] { return sameBytes(source, target); }))
            return;
        copy(source, target);
        m_listed.insert(relative);
    }
    // The same for a file the build makes itself, in a folder of the disc that it makes when missing.
    void writeListed(const QByteArray& bytes, const QString& relative) {
        const QString target = m_disc + QDir::toNativeSeparators(relative);
        const QStringList parts = relative.split(u'/');
        QString folder = m_disc;
        for (qsizetype i = 0; i + 1 < parts.size() && !m_failed; ++i) {
            folder += parts[i] + QDir::separator();
            m_failed |= !makeRealFolder(folder);
        }
        if (m_failed || !mayReplace(relative, [&] { return sameBytes(bytes, target); }))
            return;
        write(bytes, target);
        m_listed.insert(relative);
    }
    // A file of the fixed layout that the build makes itself.
    void write(const QByteArray& bytes, const QString& target) {
        removeLink(target);
        QSaveFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            m_failed = true;
    }
    // Every file below `sourceFolder` into the same place below `relativeFolder` of the disc.
    void copyFolderListed(const QString& sourceFolder, const QString& relativeFolder) {
        const QDir source(sourceFolder);
        QDirIterator it(sourceFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString relative = relativeFolder + source.relativeFilePath(it.next());
            QString folder = m_disc;
            const QStringList parts = relative.split(u'/');
            for (qsizetype i = 0; i + 1 < parts.size() && !m_failed; ++i) {
                folder += parts[i] + QDir::separator();
                m_failed |= !makeRealFolder(folder);
            }
            if (!m_failed)
                copyListed(it.filePath(), relative);
        }
    }
    // Takes away what an earlier build listed and this one did not write, then lists what it wrote.
    void finishManifest(const QString& manifest) {
        for (const QString& gone : m_earlier - m_listed) {
            const QString path = m_disc + QDir::toNativeSeparators(gone);
            if ((QFileInfo(path).isDir() && !QFileInfo(path).isSymLink()) || behindLink(gone))
                continue;
            QFile::remove(path);
            // Folders that held only the build's files go with them.
            for (QString folder = QFileInfo(path).path(); folder.size() > m_disc.size();
                 folder = QFileInfo(folder).path()) {
                if (!QDir().rmdir(folder))
                    break;
            }
        }
        removeLink(manifest);
        if (m_listed.isEmpty()) {
            QFile::remove(manifest);
            return;
        }
        QStringList names(m_listed.begin(), m_listed.end());
        names.sort();
        QSaveFile file(manifest);
        const QByteArray bytes = (names.join(u'\n') + u'\n').toUtf8();
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            m_failed = true;
    }
    void fail() { m_failed = true; }
    // Whether a folder on the way to a listed file is a link: what lies behind it is not the build's.
    bool behindLink(const QString& relative) const {
        QString folder = m_disc;
        const QStringList parts = relative.split(u'/');
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            folder += parts[i];
            if (QFileInfo(folder).isSymLink())
                return true;
            folder += QDir::separator();
        }
        return false;
    }
    Result result() const {
        Result r;
        r.written = !m_failed;
        r.failedFolder = m_failed ? QDir::toNativeSeparators(m_disc) : QString();
        r.missingFiles = m_missing;
        r.keptFiles = m_kept;
        return r;
    }

private:
    // Whether a listed file may be written: nothing lies there, an earlier build wrote it, or it
    // holds what would be written; otherwise it is the user's and is named as kept.
    template <typename Same> bool mayReplace(const QString& relative, Same same) {
        const QString target = m_disc + QDir::toNativeSeparators(relative);
        const QFileInfo existing(target);
        if ((existing.exists() || existing.isSymLink()) && !m_earlier.contains(relative) &&
            !(!existing.isSymLink() && same())) {
            m_kept << QDir::toNativeSeparators(target);
            return false;
        }
        return true;
    }

    QString m_disc;
    QSet<QString> m_earlier, m_listed;
    bool m_failed = false;
    QStringList m_missing, m_kept;
};

QByteArray detailFileBytes(const QString& section, const ItemRecord& item, int genre,
                           const QString& yesText) {
    common::IniFile detail;
    const auto field = [&](ItemField f) { return item[fieldIndex(f)]; };
    detail.writeString(section, u"caption", field(ItemField::Name));
    detail.writeString(section, u"pfad", field(ItemField::CdPath) + field(ItemField::FileName));
    detail.writeInteger(section, u"copy", field(ItemField::Copy) == yesText ? 1 : 0);
    detail.writeInteger(section, u"execute", field(ItemField::Execute) == yesText ? 1 : 0);
    detail.writeInteger(section, u"genre", genre);
    detail.writeString(section, u"desc", field(ItemField::Description));
    detail.writeString(section, u"serial", field(ItemField::Serial));
    detail.writeString(section, u"sizep", field(ItemField::CdSize));
    detail.writeString(section, u"sizeup", field(ItemField::HdSize));
    detail.writeString(section, u"url", field(ItemField::Homepage));
    return detail.toBytes();
}

// The folder of detail files. A build over an earlier one leaves the files that hold the same bytes
// as they are, and makes every other one afresh: what lies there may be a link or share its data
// with a file elsewhere, so nothing there is written into.
class DetailFolder {
public:
    // False when the folder could not be made.
    bool open(const QString& folder) {
        m_folder = folder;
        // Only the build's own folder is emptied, never one that a link leads to.
        removeLink(QDir::cleanPath(folder));
        if (!QFileInfo(folder).isDir())
            return QDir().mkpath(folder);
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            it.next();
            const QFileInfo info = it.fileInfo();
            if (info.isFile() && !info.isSymLink())
                m_earlier.insert(info.fileName());
            else
                QFile::remove(info.filePath());
        }
        return true;
    }
    bool write(const QString& name, const QByteArray& bytes) {
        const QString path = m_folder + name;
        if (m_earlier.remove(name)) {
            const common::BoundedRead existing = common::readRegularFile(path, bytes.size());
            if (existing.whole() && existing.bytes == bytes)
                return true;
            QFile::remove(path);
        }
        // A fresh file: written directly, without the atomic replacement that a file the user
        // keeps needs.
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::NewOnly) && file.write(bytes) == bytes.size();
    }
    // Removes the files of the earlier build that this one did not write.
    void removeTheRest() {
        for (const QString& name : std::as_const(m_earlier))
            QFile::remove(m_folder + name);
        m_earlier.clear();
    }

private:
    QString m_folder;
    QSet<QString> m_earlier;
};

} // namespace

QString languageFileName(int language, int style) {
    return QStringLiteral("language%1.%2").arg(language).arg(style);
}

QString itemIconName(int n) {
    return QStringLiteral("m%1.ico").arg(n);
}

QList<QList<int>> rowsByCategory(const QStringList& categories, const ItemTable& items) {
    // One pass over the items, however many categories.
    QHash<QString, QList<int>> rowsByName;
    for (int r = 0; r < items.itemCount(); ++r)
        rowsByName[items.field(r, ItemField::Category)].push_back(r);
    QList<QList<int>> rows(categories.size());
    for (int c = 0; c < categories.size(); ++c)
        rows[c] = rowsByName.value(categories[c]);
    return rows;
}

bool writeMembers(const QString& configFolder, const EditorState& state, const ItemTable& items) {
    const QString membersPath = configFolder + QStringLiteral("members.cfg");
    QFile::remove(membersPath);
    DetailFolder details;
    if (!details.open(configFolder + QStringLiteral("membersd") + QDir::separator()))
        return false;

    common::IniFile members(membersPath);
    members.writeString(u"general", u"cdname", state.cdName);
    members.writeString(u"general", u"rootname", state.projectFolder);
    const QStringList& categories = state.categories;
    const QString yesText = state.language.yesText();
    bool written = true;
    const QList<QList<int>> rows = rowsByCategory(categories, items);
    for (int c = 0; c < categories.size(); ++c) {
        const int genre = int(categories.lastIndexOf(categories[c]));
        int k = 0;
        for (const int r : rows[c]) {
            const ItemRecord item = items.record(r);
            const QString section = QString::number(c) + u'-' + QString::number(k);
            members.writeString(section, u"caption", item[fieldIndex(ItemField::Name)]);
            members.writeInteger(section, u"icon_number", itemKind(item[fieldIndex(ItemField::FileName)]));
            written &= details.write(u'm' + section + QStringLiteral(".dat"),
                                     detailFileBytes(section, item, genre, yesText));
            members.writeInteger(QString::number(c), u"anz_items", ++k);
        }
    }
    details.removeTheRest();
    return members.save() && written;
}

bool isRefusedTarget(const QString& target, const EditorState& state) {
    const QString files = common::resolveIgnoringCase(state.programFolder, u"Files");
    const ProjectFiles& d = state.files;
    if (QDir(target).isRoot())
        return true;
    for (const QString& own : {state.programFolder, files, d.designFile.folder(), d.categoryFile.folder()}) {
        if (!own.isEmpty() && environmentfiles::isSameFile(QDir::cleanPath(target), QDir::cleanPath(own)))
            return true;
    }
    return false;
}

Result build(const QString& target, const EditorState& state, const ItemTable& items) {
    const QString disc = common::withTrailingSeparator(QDir::toNativeSeparators(target));
    const QString cfg = disc + QStringLiteral("CFG") + QDir::separator();
    const QString files = state.programFolder + QStringLiteral("Files") + QDir::separator();
    if (isRefusedTarget(disc, state)) {
        Result refused;
        refused.written = false;
        refused.refused = true;
        return refused;
    }
    const QString manifest = cfg + QLatin1String(kManifestName);
    Copier copier(disc, readManifest(manifest));
    if (!makeRealFolder(cfg) || !writeMembers(cfg, state, items)) {
        copier.fail();
        return copier.result();
    }
    copier.copyNeeded(files + QStringLiteral("tiv.exe"), disc + QStringLiteral("tiv.exe"));

    const ProjectFiles& d = state.files;
    copier.copyNeeded(d.categoryFile.path(), cfg + QStringLiteral("genre.cfg"));
    if (d.categoryFile.exists()) {
        const int count =
            common::IniFile(d.categoryFile.path()).readInteger(u"general", u"anz_items", 0) & 0xFF;
        for (int i = 0; i < count; ++i) {
            const QString icon = QString::number(i) + QStringLiteral(".ico");
            copier.copyNeeded(d.categoryFile.folder() + icon, cfg + icon);
        }
    }
    copier.copyNeeded(d.designFile.path(), cfg + QStringLiteral("design.cfg"));
    for (const auto& [medium, name] : designMedia(d))
        copier.copyOrRemove(*medium, cfg + name);
    copier.copyNeeded(files + QStringLiteral("Unzdll.dll"), cfg + QStringLiteral("Unzdll.dll"));
    copier.copyNeeded(designfile::isUsableMedium(d.iconFile.path()) ? d.iconFile.path()
                                                                    : files + QStringLiteral("tiv.ico"),
                      cfg + QStringLiteral("tiv.ico"));
    // Windows cannot start a disc's Linux menu program: its AutoPlay opens the web menu instead.
    const QString autorunInf = files + QStringLiteral("autorun.inf");
    if (state.prefs.writeWebMenu && QFileInfo(autorunInf).isFile() &&
        !webmenu::isWindowsProgram(files + QStringLiteral("tiv.exe")))
        copier.write(webmenu::autorunForBrowser(autorunInf, state.cdName),
                     disc + QStringLiteral("autorun.inf"));
    else
        copier.copyNeeded(autorunInf, disc + QStringLiteral("autorun.inf"));
    // Installations that have them (Linux): the desktop's autostart file, and the menu program's
    // own runtime, so that the disc runs where Qt is not installed.
    copier.copyListed(files + QStringLiteral("autorun"), QStringLiteral("autorun"));
    if (state.prefs.shipRuntime) {
        const QString runtime = files + QStringLiteral("runtime") + QDir::separator();
        copier.copyListed(runtime + QStringLiteral("qt.conf"), QStringLiteral("qt.conf"));
        for (QStringView folder : kRuntimeFolders)
            copier.copyFolderListed(runtime + folder.toString(), u"CFG/"_s + folder.toString() + u'/');
    }
    const common::IniFile design(d.designFile.path());
    const int language = design.readInteger(u"Language", u"Language", 0);
    const int style = design.readInteger(u"Language", u"Style", 0);
    copier.copyNeeded(files + languageFileName(language, style), cfg + QStringLiteral("language.zol"));
    for (int m = 1; m <= kItemIconCount; ++m)
        copier.copyNeeded(files + itemIconName(m), cfg + itemIconName(m));
    // Last, from the configuration folder as written above.
    if (state.prefs.writeWebMenu) {
        for (const webmenu::File& file : webmenu::generate(disc, state, items))
            copier.writeListed(file.bytes, file.relative);
    }
    copier.finishManifest(manifest);
    return copier.result();
}

} // namespace discbuild

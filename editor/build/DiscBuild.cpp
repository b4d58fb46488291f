#include "DiscBuild.h"

#include "ItemKind.h"
#include "common/FileOps.h"
#include "common/IniFile.h"
#include "common/Paths.h"
#include "project/EditorState.h"
#include "project/ItemTable.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace discbuild {
namespace {

// Copies where a source exists; a source that exists but cannot be copied means the target is
// not writable.
class Copier {
public:
    explicit Copier(QString failedFolder) : m_folder(std::move(failedFolder)) {}

    void copy(const QString& source, const QString& target) {
        if (QFileInfo(source).isFile() && !common::copyFileReplacing(source, target))
            m_failed = true;
    }
    // A file without which the menu program on the disc does not work as it should.
    void copyNeeded(const QString& source, const QString& target) {
        if (QFileInfo(source).isFile())
            copy(source, target);
        else
            m_missing << QDir::toNativeSeparators(source);
    }
    void copyOrRemove(const FileHolder& medium, const QString& target) {
        if (medium.exists())
            copy(medium.path(), target);
        else
            QFile::remove(target);
    }
    // Every file below `sourceFolder` into the same place below `targetFolder`.
    void copyFolder(const QString& sourceFolder, const QString& targetFolder) {
        const QDir source(sourceFolder);
        QDirIterator it(sourceFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString file = it.next();
            const QString target = targetFolder + source.relativeFilePath(file);
            if (!QDir().mkpath(QFileInfo(target).path()))
                m_failed = true;
            else
                copy(file, target);
        }
    }
    void fail() { m_failed = true; }
    Result result() const { return {!m_failed, m_failed ? m_folder : QString(), m_missing}; }

private:
    QString m_folder;
    bool m_failed = false;
    QStringList m_missing;
};

bool writeDetailFile(const QString& path, const QString& section, const ItemRecord& item, int genre,
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
    // A fresh file in a folder emptied just before: written directly, without the atomic
    // replacement that a file the user keeps needs.
    QFile file(path);
    const QByteArray bytes = detail.toBytes();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

QString languageFileName(int language, int style) {
    return QStringLiteral("language%1.%2").arg(language).arg(style);
}

QString itemIconName(int n) {
    return QStringLiteral("m%1.ico").arg(n);
}

bool writeMembers(const QString& configFolder, const EditorState& state, const ItemTable& items) {
    const QString membersPath = configFolder + QStringLiteral("members.cfg");
    QFile::remove(membersPath);
    const QString detailFolder = configFolder + QStringLiteral("membersd") + QDir::separator();
    if (QFileInfo(detailFolder).isDir()) {
        QDirIterator it(detailFolder, QDir::Files | QDir::Hidden | QDir::System);
        while (it.hasNext())
            QFile::remove(it.next());
    } else if (!QDir().mkpath(detailFolder)) {
        return false;
    }

    common::IniFile members(membersPath);
    members.writeString(u"general", u"cdname", state.cdName);
    members.writeString(u"general", u"rootname", state.projectFolder);
    const QStringList& categories = state.categories;
    const QString yesText = state.language.yesText();
    bool written = true;
    for (int c = 0; c < categories.size(); ++c) {
        const int genre = int(categories.lastIndexOf(categories[c]));
        int k = 0;
        for (int r = 0; r < items.itemCount(); ++r) {
            const ItemRecord& item = items.record(r);
            if (item[fieldIndex(ItemField::Category)] != categories[c])
                continue;
            const QString section = QString::number(c) + u'-' + QString::number(k);
            members.writeString(section, u"caption", item[fieldIndex(ItemField::Name)]);
            members.writeInteger(section, u"icon_number", itemKind(item[fieldIndex(ItemField::FileName)]));
            written &= writeDetailFile(detailFolder + u'm' + section + QStringLiteral(".dat"), section, item,
                                       genre, yesText);
            members.writeInteger(QString::number(c), u"anz_items", ++k);
        }
    }
    return members.save() && written;
}

Result build(const QString& target, const EditorState& state, const ItemTable& items) {
    const QString disc = common::withTrailingSeparator(QDir::toNativeSeparators(target));
    const QString cfg = disc + QStringLiteral("CFG") + QDir::separator();
    const QString files = state.programFolder + QStringLiteral("Files") + QDir::separator();
    Copier copier(QDir::toNativeSeparators(disc));
    if (!QDir().mkpath(cfg) || !writeMembers(cfg, state, items)) {
        copier.fail();
        return copier.result();
    }
    copier.copyNeeded(files + QStringLiteral("tiv.exe"), disc + QStringLiteral("tiv.exe"));

    const TMainDaten& d = state.mainDaten;
    copier.copyNeeded(d.genre_file.path(), cfg + QStringLiteral("genre.cfg"));
    if (d.genre_file.exists()) {
        const int count =
            common::IniFile(d.genre_file.path()).readInteger(u"general", u"anz_items", 0) & 0xFF;
        for (int i = 0; i < count; ++i) {
            const QString icon = QString::number(i) + QStringLiteral(".ico");
            copier.copyNeeded(d.genre_file.folder() + icon, cfg + icon);
        }
    }
    copier.copyNeeded(d.menudesign_file.path(), cfg + QStringLiteral("design.cfg"));
    for (const auto& [medium, name] : designMedia(d))
        copier.copyOrRemove(*medium, cfg + name);
    copier.copyNeeded(files + QStringLiteral("Unzdll.dll"), cfg + QStringLiteral("Unzdll.dll"));
    copier.copyNeeded(d.Icon_File.exists() ? d.Icon_File.path() : files + QStringLiteral("tiv.ico"),
                      cfg + QStringLiteral("tiv.ico"));
    copier.copyNeeded(files + QStringLiteral("autorun.inf"), disc + QStringLiteral("autorun.inf"));
    // Installations that have them (Linux): the desktop's autostart file, and the menu program's
    // own runtime, so that the disc runs where Qt is not installed.
    copier.copy(files + QStringLiteral("autorun"), disc + QStringLiteral("autorun"));
    if (state.prefs.shipRuntime) {
        const QString runtime = files + QStringLiteral("runtime") + QDir::separator();
        copier.copy(runtime + QStringLiteral("qt.conf"), disc + QStringLiteral("qt.conf"));
        for (const QString& folder : {QStringLiteral("lib"), QStringLiteral("plugins")})
            copier.copyFolder(runtime + folder, cfg + folder + QDir::separator());
    }
    const common::IniFile design(d.menudesign_file.path());
    const int language = design.readInteger(u"Language", u"Language", 0);
    const int style = design.readInteger(u"Language", u"Style", 0);
    copier.copyNeeded(files + languageFileName(language, style), cfg + QStringLiteral("language.zol"));
    for (int m = 1; m <= kItemIconCount; ++m)
        copier.copyNeeded(files + itemIconName(m), cfg + itemIconName(m));
    return copier.result();
}

} // namespace discbuild

#include "editor/disc/BurnerProject.h"

#include "common/Cp1252.h"
#include "common/Paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QSaveFile>

#include <algorithm>

namespace burnerproject {
namespace {

// Only a to z change; every other character stays.
QString upper(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    }
    return text;
}

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

QString withoutSeparators(QString folder) {
    while (folder.startsWith(u'\\'))
        folder.remove(0, 1);
    while (folder.endsWith(u'\\'))
        folder.chop(1);
    return folder;
}

} // namespace

std::vector<std::pair<QString, QString>> fileList(const QString& projectFolder) {
    std::vector<std::pair<QString, QString>> files;
    QDirIterator it(projectFolder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (info.isHidden())
            continue;
        files.emplace_back(common::withTrailingSeparator(QDir::toNativeSeparators(info.absolutePath())),
                           info.fileName());
    }
    std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
        const int c = a.first.compare(b.first, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.second.compare(b.second, Qt::CaseInsensitive) < 0;
    });
    return files;
}

QString folderNumber(int number) {
    return QString::number(number, 16).toUpper();
}

QStringList projectLines(QStringList lines, const QString& cdName, const QString& projectFolder,
                         const std::vector<std::pair<QString, QString>>& files) {
    while (lines.size() < 39)
        lines.append(QString());
    lines[4] = QStringLiteral("Track1=CD-XA ISO 9660 [] / Joliet [") + cdName + u']';
    lines[29] = QStringLiteral("VOLUME \"\"");
    lines[38] = QStringLiteral("VOLUME ") + quoted(cdName);

    const QString root = common::withTrailingSeparator(QDir::toNativeSeparators(projectFolder));
    QStringList folders{root};
    QHash<QString, int> numbers{{root, 1}};
    for (const auto& [folder, name] : files) {
        if (!numbers.contains(folder)) {
            folders.append(folder);
            numbers.insert(folder, int(folders.size()));
        }
    }
    for (int i = 0; i < folders.size(); ++i)
        lines.append(folderNumber(i + 1) + u'=' + upper(folders[i].chopped(1)));
    lines << QStringLiteral("/PATHTABLE") << QStringLiteral("ROOT") << QString();

    QString previous;
    for (const auto& [folder, name] : files) {
        if (!previous.isEmpty() && folder != previous) {
            const QString relative = withoutSeparators(common::toDiscPath(folder.mid(root.size())));
            lines.append(QStringLiteral("START ") + quoted(relative) + QStringLiteral(" /ISO ") +
                         quoted(upper(relative)));
        }
        previous = folder;
        const QString number = folderNumber(numbers.value(folder));
        lines.append(QStringLiteral("FILE ") + quoted(name) + u' ' + quoted(u'*' + number + u'\\' + name) +
                     QStringLiteral(" /ISO ") + quoted(upper(name)));
    }
    return lines;
}

bool writeProject(const QString& templateFile, const QString& projectFile, const QString& cdName,
                  const QString& projectFolder) {
    QFile in(templateFile);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QString text = common::fromCp1252(in.readAll());
    text.remove(u'\r');
    QStringList templateLines = text.split(u'\n');
    if (!templateLines.isEmpty() && templateLines.last().isEmpty())
        templateLines.removeLast();
    const QStringList lines = projectLines(templateLines, cdName, projectFolder, fileList(projectFolder));
    QSaveFile out(projectFile);
    return out.open(QIODevice::WriteOnly) &&
           out.write(common::toCp1252(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"))) >= 0 &&
           out.commit();
}

} // namespace burnerproject

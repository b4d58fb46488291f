#include "editor/project/FileHolder.h"

#include "common/Paths.h"

#include <QDir>
#include <QFileInfo>

void FileHolder::set(const QString& path) {
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        clear();
        return;
    }
    m_path = QDir::toNativeSeparators(info.absoluteFilePath());
    m_folder = common::withTrailingSeparator(QDir::toNativeSeparators(info.absolutePath()));
    const QString name = info.fileName();
    const qsizetype firstDot = name.indexOf(u'.');
    const qsizetype lastDot = name.lastIndexOf(u'.');
    m_alone = firstDot < 0 ? name : name.left(firstDot);
    m_ext = lastDot < 0 ? QString() : name.mid(lastDot);
}

bool FileHolder::exists() const {
    return !m_path.isEmpty() && QFileInfo(m_path).isFile();
}

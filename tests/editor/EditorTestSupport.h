#pragma once

#include "common/IniFile.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemField.h"
#include "editor/project/ItemTable.h"
#include "editor/project/ProjectFile.h"

#include <QApplication>
#include <QDir>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <vector>

namespace editortest {

// Runs `action` on the next modal dialog of type T once it is open.
template <typename T> void whenOpen(std::function<void(T*)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY2(dialog, "the expected dialog is not open");
        action(dialog);
    });
}

// A category file with the given captions, as the category editor writes it.
inline QString writeCategoryFile(const QString& path, const QStringList& captions) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    common::IniFile file(path);
    file.writeInteger(u"general", u"anz_items", int(captions.size()));
    for (int i = 0; i < captions.size(); ++i) {
        file.writeString(QString::number(i), u"caption", captions[i]);
        file.writeInteger(QString::number(i), u"icon_number", i);
    }
    file.save();
    return path;
}

// The shipped language files in a test's program folder, as an installation has them.
inline void installLanguageFiles(const QString& programFolder) {
    QDir().mkpath(programFolder + QStringLiteral("Files"));
    for (const char* name : {"lang_1.dat", "lang_2.dat"})
        QFile::copy(QStringLiteral(LUMBREL_DATA_DIR "/") + QLatin1String(name),
                    programFolder + QStringLiteral("Files/") + QLatin1String(name));
}

inline QString writeFile(const QString& path, const QByteArray& bytes = "x") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline ItemRecord item(const QString& name, const QString& category,
                       const QString& copy = QStringLiteral("yes"),
                       const QString& execute = QStringLiteral("no")) {
    ItemRecord r;
    r[fieldIndex(ItemField::Name)] = name;
    r[fieldIndex(ItemField::FileName)] = name + QStringLiteral(".exe");
    r[fieldIndex(ItemField::CdPath)] = QStringLiteral("\\");
    r[fieldIndex(ItemField::Category)] = category;
    r[fieldIndex(ItemField::Copy)] = copy;
    r[fieldIndex(ItemField::Execute)] = execute;
    return r;
}

// An item that names where its file lies: File Name, CD Path and File Source Location.
inline ItemRecord locatedItem(const QString& name, const QString& fileName, const QString& cdPath,
                              const QString& source) {
    ItemRecord r;
    r[fieldIndex(ItemField::Name)] = name;
    r[fieldIndex(ItemField::FileName)] = fileName;
    r[fieldIndex(ItemField::CdPath)] = cdPath;
    r[fieldIndex(ItemField::SourceLocation)] = source;
    r[fieldIndex(ItemField::Category)] = QStringLiteral("Tools");
    r[fieldIndex(ItemField::Copy)] = QStringLiteral("yes");
    r[fieldIndex(ItemField::Execute)] = QStringLiteral("yes");
    return r;
}

// Every row of the table, as whole records.
inline std::vector<ItemRecord> recordsOf(const ItemTable& items) {
    std::vector<ItemRecord> rows;
    for (int r = 0; r < items.itemCount(); ++r)
        rows.push_back(items.record(r));
    return rows;
}

// A project file as the editor saves it: `author`'s names and files, and these items.
inline QString writeProject(const QString& file, const EditorState& author,
                            const std::vector<ItemRecord>& rows = {}) {
    ItemTable table;
    table.setRecords(rows);
    projectfile::save(file, author, table);
    return file;
}

} // namespace editortest

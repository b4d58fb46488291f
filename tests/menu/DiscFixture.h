#pragma once
// A disc folder written by a test: tiv.exe beside a cfg folder whose INI files the test fills.

#include "common/IniFile.h"
#include "menu/reader/DiscFolders.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <map>
#include <memory>

class DiscFixture {
public:
    explicit DiscFixture(const QString& configFolderName = QStringLiteral("cfg")) {
        m_cfgName = configFolderName;
        QDir(root()).mkpath(m_cfgName + QStringLiteral("/membersd"));
        QFile exe(root() + QStringLiteral("tiv.exe"));
        exe.open(QIODevice::WriteOnly);
    }

    QString root() const { return m_dir.path() + u'/'; }
    QString cfg() const { return root() + m_cfgName + u'/'; }
    menu::DiscFolders folders() const {
        return menu::DiscFolders::forExecutable(root() + QStringLiteral("tiv.exe"));
    }

    // The INI file at `relative` below the configuration folder, written by save().
    common::IniFile& ini(const QString& relative) {
        auto& slot = m_files[relative];
        if (!slot)
            slot = std::make_unique<common::IniFile>(cfg() + relative);
        return *slot;
    }
    void set(const QString& file, const QString& section, const QString& key, const QString& value) {
        ini(file).writeString(section, key, value);
    }

    void addCategory(const QString& caption) {
        const int n = ini(QStringLiteral("genre.cfg")).readInteger(u"general", u"anz_items", 0);
        set(QStringLiteral("genre.cfg"), QStringLiteral("general"), QStringLiteral("anz_items"),
            QString::number(n + 1));
        set(QStringLiteral("genre.cfg"), QString::number(n), QStringLiteral("caption"), caption);
        set(QStringLiteral("genre.cfg"), QString::number(n), QStringLiteral("icon_number"),
            QString::number(n));
        writeIcon(QStringLiteral("%1.ico").arg(n), Qt::red);
    }

    // Appends an item to category c with its member detail file; returns its index.
    int addItem(int c, const QString& caption, const std::map<QString, QString>& details, int icon = 0) {
        const QString members = QStringLiteral("members.cfg");
        const int k = ini(members).readInteger(QString::number(c), u"anz_items", 0);
        set(members, QString::number(c), QStringLiteral("anz_items"), QString::number(k + 1));
        const QString section = QStringLiteral("%1-%2").arg(c).arg(k);
        set(members, section, QStringLiteral("caption"), caption);
        set(members, section, QStringLiteral("icon_number"), QString::number(icon));
        const QString file = QStringLiteral("membersd/m%1.dat").arg(section);
        for (const auto& [key, value] : details)
            set(file, section, key, value);
        if (details.empty())
            set(file, section, QStringLiteral("caption"), caption);
        return k;
    }

    void writeIcon(const QString& name, Qt::GlobalColor color) {
        QImage image(32, 32, QImage::Format_ARGB32);
        image.fill(color);
        image.save(cfg() + name, "ICO");
    }
    void writeBitmap(const QString& name, const QColor& color, QSize size = QSize(8, 8)) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(color);
        image.save(cfg() + name, "BMP");
    }
    void writeRaw(const QString& relative, const QByteArray& bytes) {
        QFile f(cfg() + relative);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
    }

    void save() {
        for (auto& [name, file] : m_files)
            file->save();
        m_files.clear();
    }

private:
    QTemporaryDir m_dir;
    QString m_cfgName;
    std::map<QString, std::unique_ptr<common::IniFile>> m_files;
};

#pragma once

#include "editor/project/ItemField.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace common {
class IniFile;
}

// The current language's tables: column titles ("Grid"), messages ("Messages") and texts
// ("Texts"), read by key. Until a language file is applied they hold the built-in English words.
class LanguageTables {
public:
    LanguageTables();

    // Replaces every table with the file's values; missing keys take their defaults.
    void load(const common::IniFile& file);

    QString message(QStringView key) const { return m_messages.value(key.toString()); }
    QString text(QStringView key) const { return m_texts.value(key.toString()); }
    // The title of a field (G1 ... G12).
    const QString& fieldTitle(int field) const { return m_fieldTitles.at(field); }
    const std::array<QString, kItemFieldCount>& fieldTitles() const { return m_fieldTitles; }

    QString yesText() const { return text(u"TYES"); }
    QString noText() const { return text(u"TNO"); }
    // A standard category's caption in this language, by its English caption; empty for any other.
    QString standardCategory(const QString& englishCaption) const;
    QString jumpPointText() const { return text(u"TJP"); }

    // A grid yes/no word as the project file stores it: "yes" or "no"; other texts stay.
    QString toStoredYesNo(const QString& gridText) const;
    // A stored "yes"/"no" (any case) as the current language's word; other texts stay.
    QString fromStoredYesNo(const QString& storedText) const;

private:
    std::array<QString, kItemFieldCount> m_fieldTitles;
    QHash<QString, QString> m_messages;
    QHash<QString, QString> m_texts;
};

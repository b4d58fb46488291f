#pragma once

#include <QString>

class LanguageTables;

// The standard category file speaks English; a project in another language gets a copy of it whose
// captions come from the language file.
namespace standardcategories {

// The caption of a standard category in the current language; any other caption stays as it is.
QString caption(const LanguageTables& language, const QString& stored);

struct Choice {
    QString path;
    // The file that could not be written; the standard file is chosen then.
    QString failedFile;
};

// The category file behind "Use default categories": the standard file itself while every caption
// reads the same in the current language, otherwise the language's copy in the category folder. An
// existing copy is taken as it stands (the user may have edited it); a missing one is written.
Choice fileFor(const QString& programFolder, const LanguageTables& language);

} // namespace standardcategories

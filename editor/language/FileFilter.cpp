#include "editor/language/FileFilter.h"

#include "editor/language/LanguageTables.h"

QString fileFilter(const LanguageTables& language, std::initializer_list<FileType> types) {
    QStringList parts;
    for (const FileType& type : types)
        parts << language.text(type.nameKey) << QString::fromUtf16(type.patterns);
    return parts.join(u'|');
}

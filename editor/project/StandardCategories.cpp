#include "editor/project/StandardCategories.h"

#include "editor/language/LanguageTables.h"
#include "editor/project/CategoryFile.h"
#include "editor/project/EnvironmentFiles.h"

#include <QFileInfo>

namespace standardcategories {

QString caption(const LanguageTables& language, const QString& stored) {
    const QString translated = language.standardCategory(stored);
    return translated.isEmpty() ? stored : translated;
}

Choice fileFor(const QString& programFolder, const LanguageTables& language) {
    const QString standard = categoryfile::standardFile(programFolder);
    const categoryfile::Contents contents = categoryfile::read(standard);
    QList<categoryfile::Entry> entries;
    bool translated = false;
    for (const categoryfile::Category& c : contents.categories) {
        const QString own = caption(language, c.caption);
        translated = translated || own != c.caption;
        entries.append({own, c.iconSource});
    }
    if (!translated || !contents.missingIcon.isEmpty())
        return {standard, {}};
    // A name from the language file, so never a path.
    const QString name = language.text(u"TSTDCATS");
    if (name.isEmpty() || name.startsWith(u'.') || name.contains(u'/') || name.contains(u'\\'))
        return {standard, {}};
    const QString chosen =
        categoryfile::startFolder(programFolder) + name + u'.' + categoryfile::defaultSuffix();
    const QString copy = environmentfiles::fileInOwnFolder(chosen);
    if (QFileInfo(copy).isFile())
        return {copy, {}};
    QString failed;
    if (!categoryfile::write(copy, entries, &failed))
        return {standard, failed};
    return {copy, {}};
}

} // namespace standardcategories

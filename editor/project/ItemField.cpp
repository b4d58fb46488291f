#include "editor/project/ItemField.h"

namespace {

constexpr std::array<const char16_t*, kItemFieldCount> kEnglish = {
    u"Name",     u"File Name",   u"CD Path",  u"Serial", u"CD Size",
    u"HD Size",  u"Description", u"Category", u"Copy",   u"File Source Location",
    u"Homepage", u"Execute",
};

constexpr std::array<const char16_t*, kItemFieldCount> kGerman = {
    u"Name",           u"Datei Name",         u"CD Pfad",
    u"Seriennr.",      u"Gr\u00f6\u00dfe CD", u"Gr\u00f6\u00dfe HD",
    u"Beschreibung",   u"Kategorie",          u"Kopieren",
    u"Datei Quellort", u"Homepage",           u"Ausf\u00fchren",
};

std::optional<int> find(QStringView title, const std::array<const char16_t*, kItemFieldCount>& titles) {
    for (int f = 0; f < kItemFieldCount; ++f) {
        if (title.compare(QStringView(titles[f]), Qt::CaseInsensitive) == 0)
            return f;
    }
    return std::nullopt;
}

} // namespace

QString englishFieldTitle(int field) {
    return QString::fromUtf16(kEnglish.at(field));
}

QString germanFieldTitle(int field) {
    return QString::fromUtf16(kGerman.at(field));
}

std::optional<int> fieldOfTitle(QStringView title, const std::array<QString, kItemFieldCount>& titles) {
    for (int f = 0; f < kItemFieldCount; ++f) {
        if (title.compare(titles[f], Qt::CaseInsensitive) == 0)
            return f;
    }
    return std::nullopt;
}

std::optional<int> fieldOfEnglishTitle(QStringView title) {
    return find(title, kEnglish);
}

std::optional<int> fieldOfGermanTitle(QStringView title) {
    return find(title, kGerman);
}

#include "editor/disc/ItemKind.h"

#include <initializer_list>

namespace {

bool endsInAny(const QString& name, std::initializer_list<const char16_t*> endings) {
    for (const char16_t* e : endings) {
        if (name.endsWith(QStringView(e)))
            return true;
    }
    return false;
}

bool startsWithAny(const QString& name, std::initializer_list<const char16_t*> starts) {
    for (const char16_t* s : starts) {
        if (name.startsWith(QStringView(s)))
            return true;
    }
    return false;
}

} // namespace

int itemKind(const QString& fileName) {
    const QString name = fileName.toLower();
    // Every test that matches replaces the kind found so far, so later rows of the table win.
    int kind = kUnknownItemKind;
    if (name.endsWith(u"exe"))
        kind = 0;
    if (name.endsWith(u"zip"))
        kind = 1;
    if (name.endsWith(u"hlp"))
        kind = 3;
    if (endsInAny(name, {u"url", u"htm", u"html"}) || startsWithAny(name, {u"http", u"https", u"ftp"}))
        kind = 4;
    if (endsInAny(name, {u"bmp", u"jpg", u"jpeg", u"gif"}))
        kind = 5;
    if (endsInAny(name, {u"wav", u"mod", u"xm", u"it", u"s3m", u"stm", u"med", u"669"}))
        kind = 6;
    if (name.endsWith(u"txt"))
        kind = 7;
    if (name.endsWith(u"doc"))
        kind = 8;
    if (endsInAny(name, {u"avi", u"mp3", u"mov", u"mpg", u"mpeg"}))
        kind = 9;
    if (name.endsWith(u"ttf"))
        kind = 10;
    if (name.endsWith(u"ico"))
        kind = 11;
    if (name == u"jump point")
        kind = kJumpPointItemKind;
    if (endsInAny(name, {u"pdf", u"ppt", u"xls", u"mdb", u"psd"}))
        kind = 13;
    return kind;
}

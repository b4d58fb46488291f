#include "menu/reader/LanguageTexts.h"

#include "common/IniFile.h"

namespace menu {

LanguageFile readLanguageFile(const common::IniFile& ini) {
    LanguageFile f;
    f.present = ini.wasRead();
    LanguageTexts& t = f.texts;
    t.language = ini.readInteger(u"Language", u"Language", 0);
    t.coverHeader = ini.readString(u"Cover", u"Cover_Header");
    t.noNfo = ini.readString(u"Language", u"no_nfo_lang");
    t.noInfo = ini.readString(u"Language", u"no_info_lang");
    t.noZip = ini.readString(u"Language", u"no_zip_lang");
    t.noFile = ini.readString(u"Language", u"no_file_lang");

    for (int k = 1; k <= 25; ++k)
        f.buttons[k] = ini.readString(u"Buttons", QString::number(k));
    for (int k = 1; k <= 9; ++k)
        f.headings[k] = ini.readString(u"Heading", QString::number(k));
    f.heading3_2 = ini.readString(u"Heading", u"3_2");
    for (int k = 1; k <= 25; ++k)
        f.details[k] = ini.readString(u"Details", QString::number(k));
    for (int k = 2; k <= 6; ++k)
        f.forms[k] = ini.readString(u"Forms", QString::number(k));
    for (int k = 1; k <= 29; ++k)
        f.hints[k] = ini.readString(u"Hints", QString::number(k));

    t.itemListHeading = f.headings[2];
    t.detailsHeading = f.headings[3];
    t.thumbnailHeading = f.heading3_2;
    t.copyDialogCaption = f.forms[5];
    t.informationCaption = f.forms[6];
    t.detailsHiddenHint = f.hints[26];
    t.detailsShownHint = f.hints[27];
    t.pictureDockedHint = f.hints[28];
    t.pictureUndockedHint = f.hints[29];
    return f;
}

std::optional<BuiltInTexts> builtInTexts(int language) {
    if (language == 0) {
        return BuiltInTexts{
            QStringLiteral("No Screenshot available"),
            QStringLiteral("Yes, the zol got me !!!"),
            QStringLiteral("No advertising, please."),
            QStringLiteral("Zip for NFO file"),
            QStringLiteral("Zip for File_id.diz"),
            QStringLiteral("Zip"),
            QStringLiteral("Options"),
            QStringLiteral("Thumbnail/Screenshot always"),
            QStringLiteral("Thumbnail/Screenshot never"),
            QStringLiteral("Thumbnail/Screenshot auto"),
            QStringLiteral("About"),
            QStringLiteral("Tavik Homebase"),
            QStringLiteral("Brevan Works Home"),
            QStringLiteral("Copy Serial to Clipboard"),
        };
    }
    if (language == 1) {
        return BuiltInTexts{
            QStringLiteral("Kein Screenshot verfügbar"),
            QStringLiteral("Ja, der Zol hat mich !!!"),
            QStringLiteral("Bitte, keine Werbung."),
            QStringLiteral("Zip nach einer NFO Datei"),
            QStringLiteral("Zip nach einer File_id.diz Datei"),
            QStringLiteral("Zip"),
            QStringLiteral("Optionen"),
            QStringLiteral("Thumbnail/Screenshot immer"),
            QStringLiteral("Thumbnail/Screenshot nie"),
            QStringLiteral("Thumbnail/Screenshot auto"),
            QStringLiteral("Über"),
            QStringLiteral("Tavik Homepage"),
            QStringLiteral("Brevan Works Homepage"),
            QStringLiteral("Seriennr. in die Zwischenablage kopieren"),
        };
    }
    return std::nullopt;
}

const OwnMessages& ownMessages(int language) {
    static const OwnMessages english{
        QStringLiteral("Cannot open file \"%1\". %2"),
        QStringLiteral("It is not a file."),
        QStringLiteral("%1 in %2 is too large to be shown: texts of up to %3 MB are shown."),
        QStringLiteral("The picture \"%1\" cannot be read."),
        QStringLiteral("There is no such file."),
        QStringLiteral("%1 was not unzipped: its files need %3 MB, and %2 has only %4 MB free."),
        QStringLiteral("stop"),
        QStringLiteral("The folder could not be opened. It is:\n%1"),
        QStringLiteral("%1 was not copied: it cannot be read (%2)."),
        QStringLiteral("%1 was not copied: %2 exists and cannot be replaced."),
        QStringLiteral("%1 was not copied: %2 cannot be created (%3)."),
        QStringLiteral("The copy to %1 broke off and was discarded; what lay there before is unchanged: %2"),
    };
    static const OwnMessages german{
        QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden. %2"),
        QStringLiteral("Es ist keine Datei."),
        QStringLiteral("%1 in %2 ist zu groß, um angezeigt zu werden: Texte bis %3 MB werden angezeigt."),
        QStringLiteral("Das Bild \"%1\" kann nicht gelesen werden."),
        QStringLiteral("Diese Datei gibt es nicht."),
        QStringLiteral("%1 wurde nicht entpackt: seine Dateien brauchen %3 MB, in %2 sind nur %4 MB frei."),
        QStringLiteral("abbrechen"),
        QStringLiteral("Der Ordner konnte nicht geöffnet werden. Er liegt hier:\n%1"),
        QStringLiteral("%1 wurde nicht kopiert: die Datei kann nicht gelesen werden (%2)."),
        QStringLiteral("%1 wurde nicht kopiert: %2 existiert und kann nicht ersetzt werden."),
        QStringLiteral("%1 wurde nicht kopiert: %2 kann nicht angelegt werden (%3)."),
        QStringLiteral(
            "Das Kopieren nach %1 brach ab und wurde verworfen; was dort lag, ist unverändert: %2"),
    };
    return language == 1 ? german : english;
}

} // namespace menu

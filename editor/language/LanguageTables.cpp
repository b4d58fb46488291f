#include "editor/language/LanguageTables.h"

#include "common/IniFile.h"

namespace {

const QString kYes = QStringLiteral("yes");
const QString kNo = QStringLiteral("no");

// Messages that must never show empty, even before a language file is applied or with an older
// one that lacks them: a file that cannot be opened or written.
const QHash<QString, QString> kBuiltInMessages{
    {QStringLiteral("M61"),
     QStringLiteral("Cannot open file \"%1\". The file does not exist or cannot be read.")},
    {QStringLiteral("M62"),
     QStringLiteral("Cannot write file \"%1\". The folder may be read-only, or the drive full or missing.")},
};

// Texts that older language files lack, English until a language file says otherwise: the prompt
// for a new folder's name, the names of file types in the choosers' filters, and the captions of
// the standard categories (keyed by their English caption) with the name of their translated copy.
const QHash<QString, QString> kBuiltInTexts{
    {QStringLiteral("TNEWFOLDER"), QStringLiteral("Name of the new folder:")},
    {QStringLiteral("FTSupported"), QStringLiteral("All Supported Files")},
    {QStringLiteral("FTAll"), QStringLiteral("All Files")},
    {QStringLiteral("FTPrograms"), QStringLiteral("Executables")},
    {QStringLiteral("FTHelp"), QStringLiteral("Help Files")},
    {QStringLiteral("FTHtml"), QStringLiteral("HTML")},
    {QStringLiteral("FTIcons"), QStringLiteral("Icons")},
    {QStringLiteral("FTModules"), QStringLiteral("Module Music")},
    {QStringLiteral("FTPictures"), QStringLiteral("Pictures")},
    {QStringLiteral("FTText"), QStringLiteral("Text Files")},
    {QStringLiteral("FTFonts"), QStringLiteral("True Type Fonts")},
    {QStringLiteral("FTUrl"), QStringLiteral("URL Files")},
    {QStringLiteral("FTVideo"), QStringLiteral("Video Files")},
    {QStringLiteral("FTWave"), QStringLiteral("Wave Files")},
    {QStringLiteral("FTWord"), QStringLiteral("Word Documents")},
    {QStringLiteral("FTZip"), QStringLiteral("Zip Files")},
    {QStringLiteral("FTFileId"), QStringLiteral("File ID Files")},
    {QStringLiteral("FTNfo"), QStringLiteral("Nfo Files")},
    {QStringLiteral("FTJpeg"), QStringLiteral("JPG")},
    {QStringLiteral("FTBitmaps"), QStringLiteral("Bitmaps")},
    {QStringLiteral("TSTDCATS"), QStringLiteral("Standard Categories")},
    {QStringLiteral("CATPrograms"), QStringLiteral("Programs")},
    {QStringLiteral("CATGames"), QStringLiteral("Games")},
    {QStringLiteral("CATTools"), QStringLiteral("Tools")},
    {QStringLiteral("CATMultimedia"), QStringLiteral("Multimedia")},
    {QStringLiteral("CATDocuments"), QStringLiteral("Documents")},
    {QStringLiteral("CATDrivers"), QStringLiteral("Drivers")},
    {QStringLiteral("CATInternet"), QStringLiteral("Internet")},
    {QStringLiteral("CATDemos"), QStringLiteral("Demos")},
    {QStringLiteral("CATPictures"), QStringLiteral("Pictures")},
    {QStringLiteral("CATMiscellaneous"), QStringLiteral("Miscellaneous")},
};

QStringList messageKeys() {
    QStringList keys;
    for (int i = 1; i <= 62; ++i) {
        keys << u'M' + QString::number(i);
        if (i == 39)
            keys << QStringLiteral("M39_2");
    }
    // M80 … M89 speak of the user's own files and of what a file cannot hold.
    for (int i = 80; i <= 89; ++i)
        keys << u'M' + QString::number(i);
    return keys;
}

QStringList numberedTextKeys() {
    QStringList keys;
    // T60 ... T65 are the about box's texts.
    for (int i = 1; i <= 65; ++i)
        keys << u'T' + QString::number(i);
    return keys;
}

} // namespace

LanguageTables::LanguageTables() : m_messages(kBuiltInMessages) {
    for (int f = 0; f < kItemFieldCount; ++f)
        m_fieldTitles[f] = englishFieldTitle(f);
    m_texts.insert(QStringLiteral("TJP"), QStringLiteral("Jump Point"));
    m_texts.insert(QStringLiteral("TYES"), kYes);
    m_texts.insert(QStringLiteral("TNO"), kNo);
    m_texts.insert(QStringLiteral("SYES"), kYes);
    m_texts.insert(QStringLiteral("SNO"), kNo);
    m_texts.insert(kBuiltInTexts);
}

void LanguageTables::load(const common::IniFile& file) {
    for (int f = 0; f < kItemFieldCount; ++f)
        m_fieldTitles[f] =
            file.readString(u"Grid", QString(u'G' + QString::number(f + 1)), QStringLiteral("not used"));
    m_messages.clear();
    for (const QString& key : messageKeys())
        m_messages.insert(key, file.readString(u"Messages", key, kBuiltInMessages.value(key)));
    m_texts.clear();
    m_texts.insert(QStringLiteral("TJP"), file.readString(u"Texts", u"TJP", QStringLiteral("Jump Point")));
    for (const char16_t* key : {u"TYES", u"TNO", u"SYES", u"SNO"}) {
        const QString k = QString::fromUtf16(key);
        m_texts.insert(k, file.readString(u"Texts", k, k.endsWith(u"YES") ? kYes : kNo));
    }
    for (const QString& key : numberedTextKeys())
        m_texts.insert(key, file.readString(u"Texts", key));
    for (auto type = kBuiltInTexts.cbegin(); type != kBuiltInTexts.cend(); ++type)
        m_texts.insert(type.key(), file.readString(u"Texts", type.key(), type.value()));
}

QString LanguageTables::toStoredYesNo(const QString& gridText) const {
    if (gridText.compare(yesText(), Qt::CaseInsensitive) == 0)
        return kYes;
    if (gridText.compare(noText(), Qt::CaseInsensitive) == 0)
        return kNo;
    return gridText;
}

QString LanguageTables::fromStoredYesNo(const QString& storedText) const {
    if (storedText.compare(kYes, Qt::CaseInsensitive) == 0)
        return yesText();
    if (storedText.compare(kNo, Qt::CaseInsensitive) == 0)
        return noText();
    return storedText;
}

QString LanguageTables::standardCategory(const QString& englishCaption) const {
    // Only the standard captions: any other caption must not pick up another text.
    const QString key = QStringLiteral("CAT") + englishCaption;
    return kBuiltInTexts.contains(key) ? m_texts.value(key) : QString();
}

#include "editor/disc/web/WebMenuItems.h"

#include "common/Cp1252.h"
#include "common/FileOps.h"
#include "common/FileSafeName.h"
#include "common/RtfReader.h"
#include "common/WebAddress.h"
#include "editor/disc/web/RichTextRuns.h"

#include <QDir>
#include <QJsonArray>
#include <QRegularExpression>
#include <QUrl>

namespace webmenu {
namespace {

// An information text larger than this is shown as far as it goes: the page carries every text.
constexpr qint64 kMaxInfoTextBytes = 256 * 1024;
// The ending the disc build leaves on a jump point's path, in any letter case.
const QString kJumpPoint = QStringLiteral("JUMP POINT");
const QString kItemDataFolder = QStringLiteral("tavikdat");

// Pictures that are their own screenshot, as the menu program shows them.
bool isPicture(const QString& name) {
    const QString suffix = name.mid(name.lastIndexOf(u'.') + 1).toLower();
    static const QStringList kPictures = {QStringLiteral("bmp"), QStringLiteral("ico"), QStringLiteral("jpg"),
                                          QStringLiteral("jpeg"), QStringLiteral("gif")};
    return name.contains(u'.') && kPictures.contains(suffix);
}

// The last part with its extension replaced, as the menu program finds an item's companions.
QStringList besideTarget(QStringList segments, const QString& extension) {
    QString& last = segments.last();
    const qsizetype dot = last.lastIndexOf(u'.');
    last = (dot >= 0 ? last.left(dot) : last) + extension;
    return segments;
}

// The item's companion: beside its file first, then in the item data folder under its caption.
std::optional<QString> companion(const std::optional<QStringList>& fileSegments, const QString& caption,
                                 const QString& extension, const DiscFiles& files) {
    if (fileSegments && !fileSegments->isEmpty()) {
        if (auto found = files.find(besideTarget(*fileSegments, extension)))
            return found;
    }
    return files.find({kItemDataFolder, common::fileSafeName(caption) + extension});
}

QString plainText(const QByteArray& bytes) {
    QString text = common::fromCp1252(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    // DOS texts end in an end-of-file mark.
    text.remove(QChar(0x1A));
    return text;
}

void insertText(QJsonObject& entry, const QString& key, const QString& value) {
    if (!value.isEmpty())
        entry.insert(key, value);
}

} // namespace

DiscFiles::DiscFiles(QString discFolder) : m_disc(std::move(discFolder)) {}

std::optional<QString> DiscFiles::find(const QStringList& segments) const {
    QString relative;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        const QString folder = m_disc + relative;
        auto listing = m_listings.find(folder);
        if (listing == m_listings.end()) {
            QHash<QString, QString> names;
            const QStringList entries =
                QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
            for (const QString& name : entries) {
                // An exact spelling wins over one that differs only in letter case.
                if (!names.contains(name.toLower()) || name == segments[i])
                    names.insert(name.toLower(), name);
            }
            listing = m_listings.insert(folder, names);
        }
        const auto name = listing->constFind(segments[i].toLower());
        if (name == listing->constEnd())
            return std::nullopt;
        relative += *name;
        if (i + 1 < segments.size())
            relative += u'/';
    }
    return relative;
}

std::optional<QStringList> discPathSegments(const QString& discPath) {
    QStringList segments;
    static const QRegularExpression kSeparators(QStringLiteral("[\\\\/]"));
    for (const QString& part : discPath.split(kSeparators, Qt::SkipEmptyParts)) {
        if (part == u".." || part == u".")
            return std::nullopt;
        segments << part;
    }
    return segments;
}

QString relativeAddress(const QStringList& segments, bool folder) {
    QStringList encoded;
    for (const QString& s : segments)
        encoded << QString::fromLatin1(QUrl::toPercentEncoding(s));
    QString address = encoded.join(u'/');
    if (folder && !address.isEmpty())
        address += u'/';
    // The disc's root itself.
    return address.isEmpty() ? QStringLiteral("./") : address;
}

QJsonObject itemEntry(const ItemRecord& item, const QString& icon, const DiscFiles& files,
                      RichTextStyles& styles) {
    const auto field = [&](ItemField f) { return item[fieldIndex(f)]; };
    const QString caption = field(ItemField::Name);
    QJsonObject entry{{QStringLiteral("n"), caption}};
    insertText(entry, QStringLiteral("i"), icon);

    // The target as the disc build writes it, read as the menu program reads it.
    QString target = field(ItemField::CdPath) + field(ItemField::FileName);
    const bool jumpPoint = target.right(kJumpPoint.size()).toUpper() == kJumpPoint;
    if (jumpPoint)
        target.chop(kJumpPoint.size());
    insertText(entry, QStringLiteral("p"), target);
    std::optional<QStringList> fileSegments;
    if (common::isAddress(target)) {
        entry.insert(QStringLiteral("h"), target);
        entry.insert(QStringLiteral("a"), QStringLiteral("link"));
    } else if (const std::optional<QStringList> segments = discPathSegments(target)) {
        const bool folder = jumpPoint || target.endsWith(u'\\') || target.endsWith(u'/');
        const std::optional<QString> found = files.find(*segments);
        const QStringList onDisc = found ? found->split(u'/') : *segments;
        entry.insert(QStringLiteral("h"), relativeAddress(onDisc, folder));
        entry.insert(QStringLiteral("a"), folder ? QStringLiteral("folder") : QStringLiteral("file"));
        if (!folder && !onDisc.isEmpty())
            fileSegments = onDisc;
    }

    insertText(entry, QStringLiteral("s"), field(ItemField::Serial));
    insertText(entry, QStringLiteral("cs"), field(ItemField::CdSize));
    insertText(entry, QStringLiteral("hs"), field(ItemField::HdSize));
    insertText(entry, QStringLiteral("d"), field(ItemField::Description));
    insertText(entry, QStringLiteral("ut"), field(ItemField::Homepage));
    insertText(entry, QStringLiteral("u"), common::homePageAddress(field(ItemField::Homepage)));

    if (const auto text = companion(fileSegments, caption, QStringLiteral(".txt"), files)) {
        const common::BoundedRead read = common::readRegularFile(files.hostPath(*text), kMaxInfoTextBytes);
        if (read.refusal == common::ReadRefusal::None) {
            if (common::looksLikeRtf(read.bytes))
                entry.insert(QStringLiteral("r"), richTextParagraphs(read.bytes, styles));
            else
                entry.insert(QStringLiteral("x"), plainText(read.bytes));
        }
    }
    if (fileSegments && isPicture(fileSegments->last()) && files.find(*fileSegments))
        entry.insert(QStringLiteral("g"), relativeAddress(*fileSegments));
    else if (const auto shot = companion(fileSegments, caption, QStringLiteral(".jpg"), files))
        entry.insert(QStringLiteral("g"), relativeAddress(shot->split(u'/')));
    return entry;
}

} // namespace webmenu

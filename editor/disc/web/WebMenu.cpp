#include "editor/disc/web/WebMenu.h"

#include "common/CategoryCount.h"
#include "common/IniFile.h"
#include "common/PictureFile.h"
#include "editor/disc/DiscBuild.h"
#include "editor/disc/ItemKind.h"
#include "editor/disc/web/RichTextRuns.h"
#include "editor/disc/web/WebMenuItems.h"
#include "editor/disc/web/WebMenuStyle.h"
#include "editor/project/EditorState.h"
#include "editor/project/ItemTable.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace webmenu {
namespace {

// Pictures of a menu are never larger; a larger file gives no picture.
constexpr int kPictureAllocationMb = 256;
constexpr qsizetype kMaxAutorunLabel = 32;
// The icons are shown at 32 pixels; a larger icon is scaled down to this.
constexpr int kIconEdge = 32;

// Where the page finds its own files, relative to the page.
QString own(const QString& name) {
    return QLatin1String(kFolder) + name;
}

// The texts of the page, from the disc's language file: key in the page -> section and key.
struct TextKey {
    const char16_t* name;
    const char16_t* section;
    const char16_t* key;
};
constexpr TextKey kTexts[] = {
    {u"categories", u"Heading", u"1"},
    {u"files", u"Heading", u"2"},
    {u"details", u"Heading", u"3"},
    {u"screenshot", u"Heading", u"3_2"},
    {u"information", u"Forms", u"6"},
    {u"name", u"Details", u"1"},
    {u"serial", u"Details", u"2"},
    {u"cdSize", u"Details", u"3"},
    {u"hdSize", u"Details", u"4"},
    {u"description", u"Details", u"5"},
    {u"homepage", u"Details", u"6"},
    {u"select", u"Language", u"no_file_lang"},
    {u"noInfo", u"Language", u"no_info_lang"},
    {u"open", u"Web", u"open"},
    {u"openFolder", u"Web", u"open_folder"},
    {u"openLink", u"Web", u"open_link"},
    {u"newTab", u"Web", u"new_tab"},
    {u"noPicture", u"Web", u"no_picture"},
    {u"na", u"Web", u"not_available"},
    {u"choose", u"Web", u"choose"},
    {u"in", u"Web", u"in"},
    {u"of", u"Web", u"of"},
};

QJsonObject pageTexts(const common::IniFile& language) {
    QJsonObject texts;
    for (const TextKey& t : kTexts)
        texts.insert(QString::fromUtf16(t.name), language.readString(t.section, t.key));
    return texts;
}

QByteArray png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    return image.save(&buffer, "PNG") ? bytes : QByteArray();
}

// An icon of the disc as a PNG of at most kIconEdge pixels; empty when it cannot be read.
QByteArray iconPng(const QString& path) {
    QImage image = common::readBestPicture(path, kPictureAllocationMb, common::pictureFor(kIconEdge));
    if (image.isNull())
        return {};
    if (image.width() > kIconEdge || image.height() > kIconEdge)
        image = image.scaled(kIconEdge, kIconEdge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return png(image);
}

class Generator {
public:
    Generator(const QString& disc, const EditorState& state, const ItemTable& items)
        : m_disc(disc), m_cfg(disc + QStringLiteral("CFG") + QDir::separator()), m_state(state),
          m_items(items), m_files(disc) {}

    QList<File> run() {
        const common::IniFile language(m_cfg + QStringLiteral("language.zol"));
        const int languageIndex = language.readInteger(u"Language", u"Language", 0);

        // The design as the disc's design file holds it, through the editor's own reader.
        EditorState scratch;
        scratch.programFolder = m_state.programFolder;
        designfile::load(scratch, m_state.files.designFile.path());
        DesignPictures pictures;
        pictures.background = addPicture(QStringLiteral("back.bmp"), QStringLiteral("back.png"));
        pictures.button = addPicture(QStringLiteral("button.bmp"), QStringLiteral("button.png"));
        pictures.splash = addPicture(QStringLiteral("splash.bmp"), QStringLiteral("splash.png"));
        pictures.splashMilliseconds = scratch.design.splashDelay * 1000;
        const bool discIcon = addIcon(m_cfg + QStringLiteral("tiv.ico"), QStringLiteral("disc.png"));

        QJsonObject data{{QStringLiteral("disc"), m_state.cdName},
                         {QStringLiteral("t"), pageTexts(language)},
                         {QStringLiteral("c"), categories()}};
        m_out << File{own(QStringLiteral("data.js")),
                      "var LUMBREL_MENU=" + QJsonDocument(data).toJson(QJsonDocument::Compact) + ";\n"};
        m_out << File{own(QStringLiteral("menu.js")), resource(u":/webmenu/menu.js")};
        m_out << File{own(QStringLiteral("menu.css")), resource(u":/webmenu/menu.css") +
                                                           designStyle(scratch.design, pictures) +
                                                           m_richStyles.styleSheet()};
        m_out << File{QLatin1String(kPageName), page(languageIndex, pictures.splash, discIcon)};
        return m_out;
    }

private:
    static QByteArray resource(QStringView name) {
        QFile file(name.toString());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool addPicture(const QString& name, const QString& pngName) {
        const QString path = m_cfg + name;
        if (!QFileInfo(path).isFile())
            return false;
        const QByteArray bytes = png(common::readPicture(path, kPictureAllocationMb));
        if (bytes.isEmpty())
            return false;
        m_out << File{own(pngName), bytes};
        return true;
    }

    bool addIcon(const QString& path, const QString& pngName) {
        const QByteArray bytes = iconPng(path);
        if (bytes.isEmpty())
            return false;
        m_out << File{own(pngName), bytes};
        return true;
    }

    // The page's address of an icon of the configuration folder, converted once.
    QString iconAddress(const QString& icoName, const QString& pngName) {
        if (const auto it = m_icons.constFind(icoName); it != m_icons.constEnd())
            return *it;
        const QString address = addIcon(m_cfg + icoName, pngName) ? own(pngName) : QString();
        m_icons.insert(icoName, address);
        return address;
    }

    QJsonArray categories() {
        const common::IniFile genre(m_cfg + QStringLiteral("genre.cfg"));
        const int iconCount = common::readCategoryCount(genre);
        const QList<QList<int>> rows = discbuild::rowsByCategory(m_state.categories, m_items);
        QJsonArray out;
        for (qsizetype c = 0; c < m_state.categories.size(); ++c) {
            const int number = genre.readInteger(QString::number(c), u"icon_number", -1);
            QJsonObject category{{QStringLiteral("n"), m_state.categories[c]}};
            if (number >= 0 && number < iconCount) {
                const QString icon = iconAddress(QString::number(number) + QStringLiteral(".ico"),
                                                 QStringLiteral("c%1.png").arg(number));
                if (!icon.isEmpty())
                    category.insert(QStringLiteral("i"), icon);
            }
            QJsonArray entries;
            for (const int r : rows[c]) {
                const ItemRecord item = m_items.record(r);
                const int icon = itemKind(item[fieldIndex(ItemField::FileName)]) + 1;
                entries.append(itemEntry(
                    item, iconAddress(discbuild::itemIconName(icon), QStringLiteral("m%1.png").arg(icon)),
                    m_files, m_richStyles));
            }
            category.insert(QStringLiteral("e"), entries);
            out.append(category);
        }
        return out;
    }

    QByteArray page(int languageIndex, bool splash, bool discIcon) const {
        const QString title = QStringLiteral("Tavik - Lumbrel - ") + m_state.cdName;
        QString html =
            QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"
                           // Nothing but the disc's own files: no request leaves the disc.
                           "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                           "script-src 'self'; style-src 'self'; img-src 'self'; base-uri 'none'; "
                           "form-action 'none'\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                           "<title>%2</title>\n")
                .arg(languageIndex == 1 ? QStringLiteral("de") : QStringLiteral("en"), title.toHtmlEscaped());
        if (discIcon)
            html += QStringLiteral("<link rel=\"icon\" href=\"%1\">\n").arg(own(QStringLiteral("disc.png")));
        html += QStringLiteral("<link rel=\"stylesheet\" href=\"%1\">\n</head>\n<body>\n")
                    .arg(own(QStringLiteral("menu.css")));
        if (splash)
            html +=
                QStringLiteral("<div id=\"splash\" aria-hidden=\"true\"><img src=\"%1\" alt=\"\"></div>\n")
                    .arg(own(QStringLiteral("splash.png")));
        html +=
            QStringLiteral(
                "<header><h1 id=\"disc\">%1</h1></header>\n"
                "<nav aria-labelledby=\"category-heading\">"
                "<h2 id=\"category-heading\"></h2><ul id=\"category-list\" class=\"categories\"></ul></nav>\n"
                "<main>\n"
                "<section aria-labelledby=\"item-heading\">"
                "<h2 id=\"item-heading\"></h2><ul id=\"item-list\" class=\"items\"></ul></section>\n"
                "<section aria-labelledby=\"detail-heading\">"
                "<h2 id=\"detail-heading\"></h2><div id=\"detail-body\" class=\"details\" "
                "aria-live=\"polite\"></div></section>\n"
                "</main>\n"
                "<script src=\"%2\"></script>\n<script src=\"%3\"></script>\n</body>\n</html>\n")
                .arg(m_state.cdName.toHtmlEscaped(), own(QStringLiteral("data.js")),
                     own(QStringLiteral("menu.js")));
        return html.toUtf8();
    }

    QString m_disc, m_cfg;
    const EditorState& m_state;
    const ItemTable& m_items;
    DiscFiles m_files;
    RichTextStyles m_richStyles;
    QHash<QString, QString> m_icons; // icon file -> its address in the page
    QList<File> m_out;
};

} // namespace

QList<File> generate(const QString& discFolder, const EditorState& state, const ItemTable& items) {
    return Generator(discFolder, state, items).run();
}

bool isWindowsProgram(const QString& path) {
    QFile file(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

QByteArray autorunForBrowser(const QString& shippedAutorunInf, const QString& cdName) {
    common::IniFile inf(shippedAutorunInf);
    inf.deleteKey(u"autorun", u"open");
    inf.writeString(u"autorun", u"shellexecute", QLatin1String(kPageName));
    // The label is one line of at most 32 characters, as Windows shows it.
    QString label = cdName;
    for (QChar& c : label) {
        if (c.category() == QChar::Other_Control)
            c = u' ';
    }
    label = label.trimmed().left(kMaxAutorunLabel);
    if (!label.isEmpty())
        inf.writeString(u"autorun", u"label", label);
    return inf.toBytes();
}

bool isWebMenuFile(const QString& relative) {
    return relative == QLatin1String(kPageName) ||
           (relative.startsWith(QLatin1String(kFolder)) &&
            !relative.mid(qsizetype(qstrlen(kFolder))).contains(u'/'));
}

} // namespace webmenu

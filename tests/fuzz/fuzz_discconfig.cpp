// Feeds arbitrary bytes to the menu program's reading of a disc: the input, cut at its zero bytes,
// is the configuration folder's genre.cfg, members.cfg, design.cfg, language.zol and the detail
// file of the first item, which are read as the menu program reads them at start-up and when a
// category and an item are chosen.
//
//   cmake --build build-fuzz --target fuzz_discconfig
//   mkdir -p tests/fuzz/corpus/cfg && build-fuzz/tests/fuzz/fuzz_discconfig tests/fuzz/corpus/cfg \
//       -max_total_time=180 -max_len=8192 -jobs=1

#include "common/FileSafeName.h"
#include "menu/content/PlainText.h"
#include "menu/reader/DesignSettings.h"
#include "menu/reader/DiscEntries.h"
#include "menu/reader/DiscFolders.h"
#include "menu/reader/ItemTarget.h"
#include "menu/reader/LanguageTexts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

// Categories whose items are read, as a viewer's clicks would.
constexpr int kCategoriesChosen = 3;

const QTemporaryDir& discFolder() {
    static const QTemporaryDir dir;
    return dir;
}

void trapIfLong(const QString& value) {
    if (value.size() > common::IniFile::kMaxValueLength)
        __builtin_trap();
}

// A disc text as a tool tip shows as written: a text that Qt would take for markup comes escaped,
// every other stays as it is.
void trapIfTakenForMarkup(const QString& text) {
    const QString toolTip = menu::plainToolTip(text);
    if (!Qt::mightBeRichText(text) ? toolTip != text : toolTip.count(u"&lt;") < text.count(u'<'))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv); // colours and fonts of the design need it
    const QDir root(discFolder().path());
    root.mkpath(QStringLiteral("cfg/membersd"));
    QFile(root.filePath(QStringLiteral("tiv.exe"))).open(QIODevice::WriteOnly);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QStringList kFiles{QStringLiteral("genre.cfg"), QStringLiteral("members.cfg"),
                                    QStringLiteral("design.cfg"), QStringLiteral("language.zol"),
                                    QStringLiteral("membersd/m0-0.dat")};
    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    const QString cfg = discFolder().path() + QStringLiteral("/cfg/");
    for (qsizetype i = 0; i < kFiles.size(); ++i) {
        QFile file(cfg + kFiles[i]);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        if (i < parts.size())
            file.write(parts[i]);
    }

    static const menu::DiscFolders folders =
        menu::DiscFolders::forExecutable(discFolder().path() + QStringLiteral("/tiv.exe"));
    (void)menu::readSplashSettings(folders.readConfigFile(u"design.cfg"));
    const common::IniFile members = folders.readConfigFile(u"members.cfg");
    const menu::DiscIdentity identity = menu::readDiscIdentity(members);
    trapIfLong(identity.discName);
    trapIfTakenForMarkup(identity.discName);
    (void)menu::readDesignSettings(folders.readConfigFile(u"design.cfg"));
    const menu::LanguageFile language = menu::readLanguageFile(folders.readConfigFile(u"language.zol"));
    (void)menu::builtInTexts(language.texts.language);
    for (const QString& hint : language.hints)
        trapIfTakenForMarkup(hint);
    const QString rootRest = menu::projectRootRest(identity.rootName, folders.drivePrefix);

    const std::vector<menu::CategoryEntry> categories =
        menu::readCategories(folders.readConfigFile(u"genre.cfg"));
    if (categories.size() > std::size_t(menu::kMaxCategories))
        __builtin_trap();
    for (const menu::CategoryEntry& category : categories)
        trapIfTakenForMarkup(category.caption);
    for (int c = 0; c < std::min<int>(kCategoriesChosen, int(categories.size())); ++c) {
        const std::vector<menu::ItemEntry> items = menu::readItems(members, categories[std::size_t(c)].index);
        if (items.size() > std::size_t(menu::kMaxItemsPerCategory))
            __builtin_trap();
        for (const menu::ItemEntry& item : items) {
            trapIfLong(item.caption);
            trapIfTakenForMarkup(item.caption);
        }
        if (items.empty())
            continue;
        const menu::ItemEntry& first = items.front();
        const common::IniFile detailFile = folders.readConfigFile(menu::detailFileName(c, first.index));
        const menu::ItemDetails details = menu::readItemDetails(detailFile, c, first.index);
        (void)details.hasHomePage();
        (void)menu::homePageAddress(details.homePage);
        const menu::ItemTarget target =
            menu::findTarget(details.rawTarget, folders.drivePrefix, rootRest, folders.programFolder);
        if (target.kind == menu::ItemTarget::Kind::Address && !menu::isAddress(target.path))
            __builtin_trap();
        (void)menu::companionBesideTarget(target.path, QStringLiteral(".jpg"));
        (void)menu::targetExtension(target.path);
        (void)common::fileSafeName(first.caption);
    }
    return 0;
}

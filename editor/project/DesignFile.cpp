#include "editor/project/DesignFile.h"

#include "common/ColorNames.h"
#include "common/Cp1252.h"
#include "common/DesignKeys.h"
#include "common/FileOps.h"
#include "common/IniFile.h"
#include "common/Paths.h"
#include "editor/project/EditorState.h"
#include "editor/project/EnvironmentFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <optional>
#include <span>

using Model = DesignModel;
using designkeys::Key;
namespace keys = designkeys;

namespace {

template <typename E> struct Word {
    E value;
    const char16_t* text;
};

constexpr Word<Model::DesignMode> kDesignModes[] = {{Model::DesignMode::Band, u"band"},
                                                    {Model::DesignMode::Bmp, u"bmp"}};
constexpr Word<Model::ButtonMode> kButtonModes[] = {{Model::ButtonMode::Band, u"band"},
                                                    {Model::ButtonMode::Bmp, u"bmp"},
                                                    {Model::ButtonMode::Trans, u"trans"}};
constexpr Word<Model::ButtonStyle> kButtonStyles[] = {{Model::ButtonStyle::Inset, u"sbInset"},
                                                      {Model::ButtonStyle::Normal, u"sbNormal"},
                                                      {Model::ButtonStyle::Offset, u"sbOffset"}};
constexpr Word<Model::ButtonEffect> kButtonEffects[] = {{Model::ButtonEffect::Shadow, u"sbsShadow"},
                                                        {Model::ButtonEffect::ThreeD, u"sbs3D"}};
constexpr Word<Model::FontEffect> kFontEffects[] = {{Model::FontEffect::None, u"tdNone"},
                                                    {Model::FontEffect::Raised, u"tdRaised"},
                                                    {Model::FontEffect::Sunken, u"tdSunken"},
                                                    {Model::FontEffect::Shadow, u"tdShadow"},
                                                    {Model::FontEffect::RaisedShadow, u"tdRaisedShadow"},
                                                    {Model::FontEffect::SunkenShadow, u"tdSunkenShadow"}};
constexpr Word<Model::TileMode> kTileModes[] = {{Model::TileMode::Center, u"tmcenter"},
                                                {Model::TileMode::None, u"tmnone"},
                                                {Model::TileMode::Stretch, u"tmstretch"},
                                                {Model::TileMode::Tile, u"tmtile"}};
constexpr Word<bool> kFormats[] = {{true, u"bold"}, {false, u"normal"}};

template <typename E>
std::optional<E> parse(std::span<const Word<E>> words, QStringView text,
                       Qt::CaseSensitivity cs = Qt::CaseSensitive) {
    for (const Word<E>& w : words) {
        if (text.compare(QStringView(w.text), cs) == 0)
            return w.value;
    }
    return std::nullopt;
}

template <typename E> QString wordOf(std::span<const Word<E>> words, E value) {
    for (const Word<E>& w : words) {
        if (w.value == value)
            return QString::fromUtf16(w.text);
    }
    return QString::fromUtf16(words.front().text);
}

// The name of a colour; a colour outside the sixteen is stored as the nearest of them, since the
// format has no notation for any other.
QString colorName(const QColor& color) {
    if (const std::optional<QString> name = common::nameOfColor(color))
        return *name;
    const QColor c = color.isValid() ? color : QColor(Qt::black);
    QString best;
    long bestDistance = -1;
    for (const QString& name : common::colorNames()) {
        const QColor n = *common::colorFromName(name);
        const long dr = c.red() - n.red(), dg = c.green() - n.green(), db = c.blue() - n.blue();
        const long distance = dr * dr + dg * dg + db * db;
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = name;
        }
    }
    return best;
}

// A reader that keeps the model's value for a word outside its set.
class Reader {
public:
    explicit Reader(const QString& path) : m_file(path) {}

    QString string(Key key, const QString& fallback = {}) const {
        return m_file.readString(key.section, key.name, fallback);
    }
    int integer(Key key, int fallback) const { return m_file.readInteger(key.section, key.name, fallback); }
    int integer(Key key, int fallback, int low, int high) const {
        return std::clamp(integer(key, fallback), low, high);
    }
    QColor color(Key key, const char16_t* fallback) const {
        return common::colorFromNameOrWhite(string(key, QString::fromUtf16(fallback)));
    }
    template <typename E>
    void choice(E& target, std::span<const Word<E>> words, Key key, E fallback,
                Qt::CaseSensitivity cs = Qt::CaseSensitive) const {
        if (!m_file.hasKey(key.section, key.name)) {
            target = fallback;
            return;
        }
        if (const std::optional<E> value = parse(words, string(key), cs))
            target = *value;
    }
    void boxFill(Model::BoxFill& target, Key key) const {
        const int value = integer(key, 0);
        if (value >= 0 && value <= 2)
            target = static_cast<Model::BoxFill>(value);
    }
    void zeroOrOne(int& target, Key key) const {
        const int value = integer(key, 0);
        if (value == 0 || value == 1)
            target = value;
    }

private:
    common::IniFile m_file;
};

// The file name at the end of a stored path, whichever separator the writer used.
QString storedFileName(const QString& stored) {
    const qsizetype cut = std::max(stored.lastIndexOf(u'\\'), stored.lastIndexOf(u'/'));
    return stored.mid(cut + 1);
}

// The file beside the design under a stored name; nothing for a name that is empty.
QString beside(const QString& folder, const QString& name) {
    const QString plain = storedFileName(name);
    return plain.isEmpty() ? QString() : folder + plain;
}

// Where a design may take its media from, and what it refused.
struct MediaSearch {
    QString folder; // the design's folder
    QString programFolder;
    QStringList refused;

    bool allows(const QString& path) const {
        return designfile::isAllowedMedium(path, folder, programFolder);
    }
    // The first candidate that may be taken; a candidate that exists but may not is named.
    void setFirst(FileHolder& holder, std::initializer_list<QString> candidates, const QString& stored) {
        holder.clear();
        bool refusedOne = false;
        for (const QString& candidate : candidates) {
            if (candidate.isEmpty())
                continue;
            if (allows(candidate)) {
                holder.set(candidate);
                return;
            }
            refusedOne |= QFileInfo::exists(candidate);
        }
        // A relative name counts too: it would have been found in the folder the editor runs in.
        if (refusedOne || QFileInfo::exists(stored))
            refused << stored;
    }
};

// A stored full path, where it is one: a relative name would be looked up in whatever folder the
// editor happens to run in.
QString absoluteOnly(const QString& stored) {
    return QFileInfo(stored).isAbsolute() ? stored : QString();
}

// Bitmaps and the icon are looked for beside the design first, then at their stored path. The
// medium's own file name is tried beside the design too: its alone name differs from it when the
// name holds more than one dot, and Save copies media under their own names.
void findBitmap(FileHolder& holder, const Reader& in, MediaSearch& search, Key key, Key aloneKey) {
    const QString full = in.string(key);
    const QString alone = in.string(aloneKey);
    search.setFirst(holder, {beside(search.folder, alone), beside(search.folder, full), absoluteOnly(full)},
                    full.isEmpty() ? alone : full);
}

// Sounds the other way round: their stored path first.
void findSound(FileHolder& holder, const Reader& in, MediaSearch& search, int index) {
    const QString full = in.string(keys::kSounds[index]);
    const QString alone = in.string(keys::kSoundsAlone[index]);
    search.setFirst(holder, {absoluteOnly(full), beside(search.folder, alone), beside(search.folder, full)},
                    full.isEmpty() ? alone : full);
}

QString folderOf(const QString& file) {
    return common::withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
}

void writeMedium(common::IniFile& out, Key key, Key aloneKey, const FileHolder& holder) {
    out.writeString(key.section, key.name, holder.path());
    out.writeString(aloneKey.section, aloneKey.name, designfile::aloneName(holder.path()));
}

// Media in the order in which Save copies them.
std::array<FileHolder*, 9> media(ProjectFiles& d) {
    return {&d.splashFile, &d.iconFile,  &d.backgroundFile, &d.buttonFile, &d.sounds[0],
            &d.sounds[1],  &d.sounds[2], &d.sounds[3],      &d.sounds[4]};
}

// A medium's file name as the design file can store it: characters outside Windows-1252 would
// come back as "?" and the medium would not be found again.
QString storableName(const QString& name) {
    QString out = name;
    for (QChar& c : out) {
        if (common::fromCp1252(common::toCp1252(QStringView(&c, 1))) != QStringView(&c, 1))
            c = u'_';
    }
    return out;
}

// A name in the design folder for a medium. Two media of the same name from different folders
// would otherwise end as one file, and one of them would silently sound or look like the other.
QString freeName(const QString& name, const QString& source, QHash<QString, QString>& taken) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString ext = dot > 0 ? name.mid(dot) : QString();
    QString candidate = name;
    for (int n = 2;; ++n) {
        const auto it = taken.constFind(candidate.toLower());
        if (it == taken.constEnd() || environmentfiles::isSameFile(*it, source))
            break;
        candidate = stem + u'_' + QString::number(n) + ext;
    }
    taken.insert(candidate.toLower(), source);
    return candidate;
}

bool isInside(const QString& canonicalFile, const QString& folder) {
    const QString root = QFileInfo(folder).canonicalFilePath();
    return !root.isEmpty() && canonicalFile.startsWith(root + u'/');
}

} // namespace

namespace designfile {

QString filter() {
    return QStringLiteral("Tavik - Lumbrel - Designfile|*.lbd");
}

QString defaultSuffix() {
    return QStringLiteral("lbd");
}

QString startFolder(const QString& programFolder) {
    return common::withTrailingSeparator(common::resolveIgnoringCase(programFolder, u"menudesign"));
}

QString standardFile(const QString& programFolder) {
    return common::resolveIgnoringCase(programFolder, u"Files\\Standard.lbd");
}

bool isStandardFile(const QString& path, const QString& programFolder) {
    return environmentfiles::isSameFile(path, standardFile(programFolder));
}

QString defaultDiscIcon(const QString& programFolder) {
    return common::resolveIgnoringCase(programFolder, u"files\\tiv.ico");
}

bool isUsableMedium(const QString& path) {
    const QFileInfo info(path);
    // Files of the kernel's own (/proc) call themselves empty and read without end.
    return !path.isEmpty() && info.isFile() && info.size() > 0 && info.size() <= kMaxMediumBytes;
}

bool isAllowedMedium(const QString& path, const QString& designFolder, const QString& programFolder) {
    if (!isUsableMedium(path))
        return false;
    const QString file = QFileInfo(path).canonicalFilePath();
    const QString own = QFileInfo(designFolder).canonicalFilePath();
    if (!own.isEmpty() && QFileInfo(file).path() == own)
        return true;
    return !programFolder.isEmpty() &&
           (isInside(file, common::resolveIgnoringCase(programFolder, u"back")) ||
            isInside(file, common::resolveIgnoringCase(programFolder, u"Sounds")));
}

QString aloneName(const QString& path) {
    if (path.isEmpty())
        return {};
    const QString name = storedFileName(path);
    const qsizetype first = name.indexOf(u'.'), last = name.lastIndexOf(u'.');
    return first < 0 ? name : name.left(first) + name.mid(last);
}

QStringList load(EditorState& state, const QString& file) {
    Model& m = state.design;
    ProjectFiles& d = state.files;
    const Reader in(file);
    const QString folder = folderOf(file);

    in.choice<Model::DesignMode>(m.designMode, kDesignModes, keys::kDesignMode, Model::DesignMode::Band);
    in.choice<Model::ButtonMode>(m.buttonMode, kButtonModes, keys::kButtonMode, Model::ButtonMode::Band);

    MediaSearch search{folder, state.programFolder, {}};
    findBitmap(d.splashFile, in, search, keys::kSplashBitmap, keys::kSplashBitmapAlone);
    findBitmap(d.iconFile, in, search, keys::kIcon, keys::kIconAlone);
    findBitmap(d.backgroundFile, in, search, keys::kBackBitmap, keys::kBackBitmapAlone);
    findBitmap(d.buttonFile, in, search, keys::kButtonBitmap, keys::kButtonBitmapAlone);
    for (int n = 0; n < 5; ++n)
        findSound(d.sounds[n], in, search, n);

    if (d.splashFile.exists()) {
        m.splashFrameColor = in.color(keys::kSplashFrameColor, u"clWhite");
        m.splashFrameWidth = in.integer(keys::kSplashFrameWidth, 1, 0, 250);
        m.splashDelay = std::clamp(in.integer(keys::kSplashDelay, 1000) / 1000, 0, 60);
    } else {
        m.splashFrameColor = Qt::white;
        m.splashFrameWidth = 1;
        m.splashDelay = 1;
    }

    m.buttonStart = in.color(keys::kButtonStart, u"clBlack");
    m.buttonEnd = in.color(keys::kButtonEnd, u"clBlack");
    m.buttonFont = in.color(keys::kButtonFont, u"clBlack");
    m.shadowDepth = in.integer(keys::kShadowDepth, 5, 0, 15);
    m.borderWidth = in.integer(keys::kBorderWidth, 1, 0, 15);
    in.choice<Model::ButtonStyle>(m.buttonStyle, kButtonStyles, keys::kButtonStyle,
                                  Model::ButtonStyle::Normal);
    in.choice<Model::ButtonEffect>(m.buttonEffect, kButtonEffects, keys::kButtonEffect,
                                   Model::ButtonEffect::Shadow);
    in.choice<Model::FontEffect>(m.buttonFontEffect, kFontEffects, keys::kButtonFontEffect,
                                 Model::FontEffect::Sunken);
    in.choice<bool>(m.buttonBold, kFormats, keys::kButtonFontFormat, false);

    m.categoryBox = in.color(keys::kCategoryBox, u"clWhite");
    m.categoryBoxFont = in.color(keys::kCategoryBoxFont, u"clBlack");
    m.filesBox = in.color(keys::kFilesBox, u"clWhite");
    m.filesBoxFont = in.color(keys::kFilesBoxFont, u"clBlack");
    m.detailsBox = in.color(keys::kDetailsBox, u"clWhite");
    in.boxFill(m.categoryBoxFill, keys::kCategoryBoxFill);
    in.boxFill(m.filesBoxFill, keys::kFilesBoxFill);
    in.boxFill(m.detailsBoxFill, keys::kDetailsBoxFill);

    m.headingFont = in.color(keys::kHeadingFont, u"clBlack");
    m.labelFont = in.color(keys::kLabelFont, u"clBlack");
    m.valueFont = in.color(keys::kValueFont, u"clBlack");
    in.choice<bool>(m.headingBold, kFormats, keys::kHeadingFormat, true);
    in.choice<bool>(m.labelBold, kFormats, keys::kLabelFormat, true);
    in.choice<bool>(m.valueBold, kFormats, keys::kValueFormat, false);
    in.choice<Model::FontEffect>(m.headingEffect, kFontEffects, keys::kHeadingEffect,
                                 Model::FontEffect::Sunken);
    in.choice<Model::FontEffect>(m.labelEffect, kFontEffects, keys::kLabelEffect, Model::FontEffect::Sunken);
    in.choice<Model::FontEffect>(m.valueEffect, kFontEffects, keys::kValueEffect, Model::FontEffect::None);

    m.backStart = in.color(keys::kBackStart, u"clBlack");
    m.backEnd = in.color(keys::kBackEnd, u"clBlack");
    // The menu program compares the tile mode in lower case; so does the editor.
    in.choice<Model::TileMode>(m.tileMode, kTileModes, keys::kTileMode, Model::TileMode::Tile,
                               Qt::CaseInsensitive);

    in.zeroOrOne(m.language, keys::kLanguage);
    in.zeroOrOne(m.style, keys::kStyle);

    // Bitmap mode needs its bitmap.
    if (m.designMode != Model::DesignMode::Band && !d.backgroundFile.exists())
        m.designMode = Model::DesignMode::Band;
    Model::Marks& marks = m.marks;
    const bool bitmapBack = m.designMode == Model::DesignMode::Bmp;
    marks.bmpsel = bitmapBack;
    marks.modebmp = bitmapBack;
    marks.bandsel = !bitmapBack;
    marks.buttonbandsel = m.buttonMode == Model::ButtonMode::Band;
    marks.buttonbmpsel = m.buttonMode == Model::ButtonMode::Bmp;
    marks.buttontranssel = m.buttonMode == Model::ButtonMode::Trans;
    marks.BtnBmp = m.buttonMode == Model::ButtonMode::Bmp || d.buttonFile.exists();
    marks.splash_status = d.splashFile.exists();
    marks.icon_status = d.iconFile.exists();

    d.designFile.set(file);
    m.modified = false;
    return search.refused;
}

bool write(EditorState& state, const QString& file) {
    const Model& m = state.design;
    const ProjectFiles& d = state.files;
    common::IniFile out;
    const auto put = [&out](Key key, const QString& value) { out.writeString(key.section, key.name, value); };
    const auto putInteger = [&out](Key key, int value) { out.writeInteger(key.section, key.name, value); };

    put(keys::kDesignMode, wordOf<Model::DesignMode>(kDesignModes, m.designMode));
    put(keys::kButtonMode, wordOf<Model::ButtonMode>(kButtonModes, m.buttonMode));

    const bool splash = d.splashFile.exists();
    const QSize splashSize = splash ? QImageReader(d.splashFile.path()).size() : QSize();
    putInteger(keys::kSplashEnabled, splash ? 1 : 0);
    writeMedium(out, keys::kSplashBitmap, keys::kSplashBitmapAlone, d.splashFile);
    putInteger(keys::kSplashHeight, std::max(splashSize.height(), 0));
    putInteger(keys::kSplashWidth, std::max(splashSize.width(), 0));
    put(keys::kSplashFrameColor, splash ? colorName(m.splashFrameColor) : QStringLiteral("clWhite"));
    putInteger(keys::kSplashFrameWidth, splash ? m.splashFrameWidth : 0);
    putInteger(keys::kSplashDelay, splash ? m.splashDelay * 1000 : 0);

    writeMedium(out, keys::kIcon, keys::kIconAlone, d.iconFile);

    put(keys::kButtonStart, colorName(m.buttonStart));
    put(keys::kButtonEnd, colorName(m.buttonEnd));
    put(keys::kButtonFont, colorName(m.buttonFont));
    writeMedium(out, keys::kButtonBitmap, keys::kButtonBitmapAlone, d.buttonFile);
    putInteger(keys::kShadowDepth, m.shadowDepth);
    putInteger(keys::kBorderWidth, m.borderWidth);
    put(keys::kButtonStyle, wordOf<Model::ButtonStyle>(kButtonStyles, m.buttonStyle));
    put(keys::kButtonEffect, wordOf<Model::ButtonEffect>(kButtonEffects, m.buttonEffect));
    put(keys::kButtonFontEffect, wordOf<Model::FontEffect>(kFontEffects, m.buttonFontEffect));
    put(keys::kButtonFontFormat, wordOf<bool>(kFormats, m.buttonBold));

    put(keys::kCategoryBox, colorName(m.categoryBox));
    put(keys::kCategoryBoxFont, colorName(m.categoryBoxFont));
    put(keys::kFilesBox, colorName(m.filesBox));
    put(keys::kFilesBoxFont, colorName(m.filesBoxFont));
    put(keys::kDetailsBox, colorName(m.detailsBox));
    putInteger(keys::kCategoryBoxFill, int(m.categoryBoxFill));
    putInteger(keys::kFilesBoxFill, int(m.filesBoxFill));
    putInteger(keys::kDetailsBoxFill, int(m.detailsBoxFill));

    put(keys::kHeadingFont, colorName(m.headingFont));
    put(keys::kLabelFont, colorName(m.labelFont));
    put(keys::kValueFont, colorName(m.valueFont));
    put(keys::kHeadingFormat, wordOf<bool>(kFormats, m.headingBold));
    put(keys::kLabelFormat, wordOf<bool>(kFormats, m.labelBold));
    put(keys::kValueFormat, wordOf<bool>(kFormats, m.valueBold));
    put(keys::kHeadingEffect, wordOf<Model::FontEffect>(kFontEffects, m.headingEffect));
    put(keys::kLabelEffect, wordOf<Model::FontEffect>(kFontEffects, m.labelEffect));
    put(keys::kValueEffect, wordOf<Model::FontEffect>(kFontEffects, m.valueEffect));

    put(keys::kBackStart, colorName(m.backStart));
    put(keys::kBackEnd, colorName(m.backEnd));
    writeMedium(out, keys::kBackBitmap, keys::kBackBitmapAlone, d.backgroundFile);
    put(keys::kTileMode, wordOf<Model::TileMode>(kTileModes, m.tileMode));

    for (int n = 0; n < 5; ++n)
        put(keys::kSounds[n], d.sounds[n].path());
    for (int n = 0; n < 5; ++n)
        put(keys::kSoundsAlone[n], aloneName(d.sounds[n].path()));

    putInteger(keys::kLanguage, m.language);
    putInteger(keys::kStyle, m.style);

    // A whole new file in one step: no key of the old one survives, and a failed write leaves the
    // old file as it was.
    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly) || target.write(out.toBytes()) < 0 || !target.commit())
        return false;
    state.files.designFile.set(file);
    state.design.modified = false;
    return true;
}

QString saveTarget(const QString& chosen) {
    const QFileInfo info(environmentfiles::withDefaultSuffix(chosen, defaultSuffix()));
    if (info.exists())
        return QDir::toNativeSeparators(info.absoluteFilePath());
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString folderName = dot > 0 ? name.left(dot) : name;
    return QDir::toNativeSeparators(info.absolutePath() + u'/' + folderName + u'/' + name);
}

SaveResult saveTo(EditorState& state, const QString& file) {
    SaveResult result;
    const QString target =
        environmentfiles::fileInOwnFolder(environmentfiles::withDefaultSuffix(file, defaultSuffix()));
    const QString folder = folderOf(target);
    QDir().mkpath(folder);

    // Media that already lie in the folder keep their names: no other medium may take them.
    QHash<QString, QString> taken;
    for (FileHolder* holder : media(state.files)) {
        if (holder->exists() && environmentfiles::isSameFile(holder->folder(), folder))
            taken.insert(QFileInfo(holder->path()).fileName().toLower(), holder->path());
    }
    for (FileHolder* holder : media(state.files)) {
        if (!holder->exists())
            continue;
        const QString source = holder->path();
        const QString own = QFileInfo(source).fileName();
        const QString name = freeName(storableName(own), source, taken);
        const QString copy = folder + name;
        if (environmentfiles::isSameFile(source, copy))
            continue;
        if (!isUsableMedium(source) || !common::copyFileReplacing(source, copy)) {
            // The design keeps the medium where it lies, and the user learns that it is not in the folder.
            result.notCopied << QDir::toNativeSeparators(source);
            continue;
        }
        if (name != own)
            result.renamed << QDir::toNativeSeparators(source) + QStringLiteral(" -> ") + name;
        holder->set(copy);
    }

    if (!write(state, target))
        return result;
    result.written = target;
    state.modified = true;
    return result;
}

} // namespace designfile

#include "editor/project/DesignFile.h"

#include "common/ColorNames.h"
#include "common/Cp1252.h"
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

    QString string(QStringView section, QStringView key, const QString& fallback = {}) const {
        return m_file.readString(section, key, fallback);
    }
    int integer(QStringView section, QStringView key, int fallback) const {
        return m_file.readInteger(section, key, fallback);
    }
    int integer(QStringView section, QStringView key, int fallback, int low, int high) const {
        return std::clamp(integer(section, key, fallback), low, high);
    }
    QColor color(QStringView section, QStringView key, const char16_t* fallback) const {
        return common::colorFromNameOrWhite(m_file.readString(section, key, QString::fromUtf16(fallback)));
    }
    template <typename E>
    void choice(E& target, std::span<const Word<E>> words, QStringView section, QStringView key, E fallback,
                Qt::CaseSensitivity cs = Qt::CaseSensitive) const {
        if (!m_file.hasKey(section, key)) {
            target = fallback;
            return;
        }
        if (const std::optional<E> value = parse(words, m_file.readString(section, key), cs))
            target = *value;
    }
    void boxFill(Model::BoxFill& target, QStringView key) const {
        const int value = m_file.readInteger(u"Boxes", key, 0);
        if (value >= 0 && value <= 2)
            target = static_cast<Model::BoxFill>(value);
    }
    void zeroOrOne(int& target, QStringView key) const {
        const int value = m_file.readInteger(u"Language", key, 0);
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
void findBitmap(FileHolder& holder, const Reader& in, MediaSearch& search, QStringView section,
                QStringView key) {
    const QString full = in.string(section, key);
    const QString alone = in.string(section, key.toString() + QStringLiteral("alone"));
    search.setFirst(holder, {beside(search.folder, alone), beside(search.folder, full), absoluteOnly(full)},
                    full.isEmpty() ? alone : full);
}

// Sounds the other way round: their stored path first.
void findSound(FileHolder& holder, const Reader& in, MediaSearch& search, int n) {
    const QString key = QStringLiteral("sound") + QString::number(n);
    const QString full = in.string(u"Sound", key);
    const QString alone = in.string(u"Sound", key + QStringLiteral("alone"));
    search.setFirst(holder, {absoluteOnly(full), beside(search.folder, alone), beside(search.folder, full)},
                    full.isEmpty() ? alone : full);
}

QString folderOf(const QString& file) {
    return common::withTrailingSeparator(QDir::toNativeSeparators(QFileInfo(file).absolutePath()));
}

void writeMedium(common::IniFile& out, QStringView section, QStringView key, const FileHolder& holder) {
    out.writeString(section, key, holder.path());
    out.writeString(section, key.toString() + QStringLiteral("alone"), designfile::aloneName(holder.path()));
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

    in.choice<Model::DesignMode>(m.designMode, kDesignModes, u"general", u"design_mode",
                                 Model::DesignMode::Band);
    in.choice<Model::ButtonMode>(m.buttonMode, kButtonModes, u"general", u"button_mode",
                                 Model::ButtonMode::Band);

    MediaSearch search{folder, state.programFolder, {}};
    findBitmap(d.splashFile, in, search, u"Splash", u"bmp");
    findBitmap(d.iconFile, in, search, u"Icon", u"name");
    findBitmap(d.backgroundFile, in, search, u"Back", u"bmp");
    findBitmap(d.buttonFile, in, search, u"Buttons", u"btn_bmp");
    for (int n = 1; n <= 5; ++n)
        findSound(d.sounds[n - 1], in, search, n);

    if (d.splashFile.exists()) {
        m.splashFrameColor = in.color(u"Splash", u"fc", u"clWhite");
        m.splashFrameWidth = in.integer(u"Splash", u"fw", 1, 0, 250);
        m.splashDelay = std::clamp(in.integer(u"Splash", u"d", 1000) / 1000, 0, 60);
    } else {
        m.splashFrameColor = Qt::white;
        m.splashFrameWidth = 1;
        m.splashDelay = 1;
    }

    m.buttonStart = in.color(u"Buttons", u"btnc", u"clBlack");
    m.buttonEnd = in.color(u"Buttons", u"btnec", u"clBlack");
    m.buttonFont = in.color(u"Buttons", u"btnFc", u"clBlack");
    m.shadowDepth = in.integer(u"Buttons", u"btnsd", 5, 0, 15);
    m.borderWidth = in.integer(u"Buttons", u"btnbw", 1, 0, 15);
    in.choice<Model::ButtonStyle>(m.buttonStyle, kButtonStyles, u"Buttons", u"style",
                                  Model::ButtonStyle::Normal);
    in.choice<Model::ButtonEffect>(m.buttonEffect, kButtonEffects, u"Buttons", u"effect",
                                   Model::ButtonEffect::Shadow);
    in.choice<Model::FontEffect>(m.buttonFontEffect, kFontEffects, u"Buttons", u"font_effect",
                                 Model::FontEffect::Sunken);
    in.choice<bool>(m.buttonBold, kFormats, u"Buttons", u"font_format", false);

    m.categoryBox = in.color(u"Boxes", u"boxc_c", u"clWhite");
    m.categoryBoxFont = in.color(u"Boxes", u"boxc_fc", u"clBlack");
    m.filesBox = in.color(u"Boxes", u"boxf_c", u"clWhite");
    m.filesBoxFont = in.color(u"Boxes", u"boxf_fc", u"clBlack");
    m.detailsBox = in.color(u"Boxes", u"boxd_c", u"clWhite");
    in.boxFill(m.categoryBoxFill, u"boxc_bmp");
    in.boxFill(m.filesBoxFill, u"boxf_bmp");
    in.boxFill(m.detailsBoxFill, u"boxd_bmp");

    m.headingFont = in.color(u"Fonts", u"fuc", u"clBlack");
    m.labelFont = in.color(u"Fonts", u"fduc", u"clBlack");
    m.valueFont = in.color(u"Fonts", u"fdnc", u"clBlack");
    in.choice<bool>(m.headingBold, kFormats, u"Fonts", u"fuc_format", true);
    in.choice<bool>(m.labelBold, kFormats, u"Fonts", u"fduc_format", true);
    in.choice<bool>(m.valueBold, kFormats, u"Fonts", u"fdnc_format", false);
    in.choice<Model::FontEffect>(m.headingEffect, kFontEffects, u"Fonts", u"fuc_effect",
                                 Model::FontEffect::Sunken);
    in.choice<Model::FontEffect>(m.labelEffect, kFontEffects, u"Fonts", u"fduc_effect",
                                 Model::FontEffect::Sunken);
    in.choice<Model::FontEffect>(m.valueEffect, kFontEffects, u"Fonts", u"fdnc_effect",
                                 Model::FontEffect::None);

    m.backStart = in.color(u"Back", u"bc", u"clBlack");
    m.backEnd = in.color(u"Back", u"bec", u"clBlack");
    // The menu program compares the tile mode in lower case; so does the editor.
    in.choice<Model::TileMode>(m.tileMode, kTileModes, u"Back", u"tile_mode", Model::TileMode::Tile,
                               Qt::CaseInsensitive);

    in.zeroOrOne(m.language, u"Language");
    in.zeroOrOne(m.style, u"Style");

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

    out.writeString(u"general", u"design_mode", wordOf<Model::DesignMode>(kDesignModes, m.designMode));
    out.writeString(u"general", u"button_mode", wordOf<Model::ButtonMode>(kButtonModes, m.buttonMode));

    const bool splash = d.splashFile.exists();
    const QSize splashSize = splash ? QImageReader(d.splashFile.path()).size() : QSize();
    out.writeInteger(u"Splash", u"enabled", splash ? 1 : 0);
    writeMedium(out, u"Splash", u"bmp", d.splashFile);
    out.writeInteger(u"Splash", u"height", std::max(splashSize.height(), 0));
    out.writeInteger(u"Splash", u"width", std::max(splashSize.width(), 0));
    out.writeString(u"Splash", u"fc", splash ? colorName(m.splashFrameColor) : QStringLiteral("clWhite"));
    out.writeInteger(u"Splash", u"fw", splash ? m.splashFrameWidth : 0);
    out.writeInteger(u"Splash", u"d", splash ? m.splashDelay * 1000 : 0);

    writeMedium(out, u"Icon", u"name", d.iconFile);

    out.writeString(u"Buttons", u"btnc", colorName(m.buttonStart));
    out.writeString(u"Buttons", u"btnec", colorName(m.buttonEnd));
    out.writeString(u"Buttons", u"btnFc", colorName(m.buttonFont));
    writeMedium(out, u"Buttons", u"btn_bmp", d.buttonFile);
    out.writeInteger(u"Buttons", u"btnsd", m.shadowDepth);
    out.writeInteger(u"Buttons", u"btnbw", m.borderWidth);
    out.writeString(u"Buttons", u"style", wordOf<Model::ButtonStyle>(kButtonStyles, m.buttonStyle));
    out.writeString(u"Buttons", u"effect", wordOf<Model::ButtonEffect>(kButtonEffects, m.buttonEffect));
    out.writeString(u"Buttons", u"font_effect", wordOf<Model::FontEffect>(kFontEffects, m.buttonFontEffect));
    out.writeString(u"Buttons", u"font_format", wordOf<bool>(kFormats, m.buttonBold));

    out.writeString(u"Boxes", u"boxc_c", colorName(m.categoryBox));
    out.writeString(u"Boxes", u"boxc_fc", colorName(m.categoryBoxFont));
    out.writeString(u"Boxes", u"boxf_c", colorName(m.filesBox));
    out.writeString(u"Boxes", u"boxf_fc", colorName(m.filesBoxFont));
    out.writeString(u"Boxes", u"boxd_c", colorName(m.detailsBox));
    out.writeInteger(u"Boxes", u"boxc_bmp", int(m.categoryBoxFill));
    out.writeInteger(u"Boxes", u"boxf_bmp", int(m.filesBoxFill));
    out.writeInteger(u"Boxes", u"boxd_bmp", int(m.detailsBoxFill));

    out.writeString(u"Fonts", u"fuc", colorName(m.headingFont));
    out.writeString(u"Fonts", u"fduc", colorName(m.labelFont));
    out.writeString(u"Fonts", u"fdnc", colorName(m.valueFont));
    out.writeString(u"Fonts", u"fuc_format", wordOf<bool>(kFormats, m.headingBold));
    out.writeString(u"Fonts", u"fduc_format", wordOf<bool>(kFormats, m.labelBold));
    out.writeString(u"Fonts", u"fdnc_format", wordOf<bool>(kFormats, m.valueBold));
    out.writeString(u"Fonts", u"fuc_effect", wordOf<Model::FontEffect>(kFontEffects, m.headingEffect));
    out.writeString(u"Fonts", u"fduc_effect", wordOf<Model::FontEffect>(kFontEffects, m.labelEffect));
    out.writeString(u"Fonts", u"fdnc_effect", wordOf<Model::FontEffect>(kFontEffects, m.valueEffect));

    out.writeString(u"Back", u"bc", colorName(m.backStart));
    out.writeString(u"Back", u"bec", colorName(m.backEnd));
    writeMedium(out, u"Back", u"bmp", d.backgroundFile);
    out.writeString(u"Back", u"tile_mode", wordOf<Model::TileMode>(kTileModes, m.tileMode));

    for (int n = 1; n <= 5; ++n)
        out.writeString(u"Sound", QString(QStringLiteral("sound") + QString::number(n)),
                        d.sounds[n - 1].path());
    for (int n = 1; n <= 5; ++n)
        out.writeString(u"Sound", QString(QStringLiteral("sound%1alone").arg(n)),
                        aloneName(d.sounds[n - 1].path()));

    out.writeInteger(u"Language", u"Language", m.language);
    out.writeInteger(u"Language", u"Style", m.style);

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

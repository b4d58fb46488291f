// Feeds arbitrary bytes to the INI engine as a file, then reads, writes, erases and serialises.
//
// Build and run (clang with libFuzzer; the build adds AddressSanitizer and UBSan):
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DLUMBREL_FUZZ=ON
//   cmake --build build-fuzz --target fuzz_inifile
//   mkdir -p tests/fuzz/corpus && build-fuzz/tests/fuzz/fuzz_inifile tests/fuzz/corpus \
//       -max_total_time=180 -max_len=4096
// The corpus folder is not committed. A crash leaves crash-<hash> in the current folder; replay it
// with `build-fuzz/tests/fuzz/fuzz_inifile crash-<hash>`.

#include "common/Cp1252.h"
#include "common/IniFile.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

// Names the program writes never hold line breaks; cut a name taken from the input at its first one.
QString firstLine(const QString& s) {
    qsizetype end = 0;
    while (end < s.size() && s[end] != u'\n' && s[end] != u'\r')
        ++end;
    return s.left(end).trimmed();
}

const QTemporaryDir& workFolder() {
    static const QTemporaryDir dir;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = workFolder().filePath(QStringLiteral("fuzz.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }

    common::IniFile ini(path);
    // Names that the input likely holds: the first section's name and its first key.
    const QString text = common::fromCp1252(QByteArrayView(data, qsizetype(size)));
    const qsizetype open = text.indexOf(u'['), close = text.indexOf(u']', open + 1);
    const QString section =
        open >= 0 && close > open ? firstLine(text.mid(open + 1, close - open - 1)) : QStringLiteral("Section");
    const qsizetype eq = text.indexOf(u'=', close + 1);
    const qsizetype lineStart = eq > 0 ? text.lastIndexOf(u'\n', eq) + 1 : 0;
    const QString key = eq > 0 ? firstLine(text.mid(lineStart, eq - lineStart)) : QStringLiteral("Key");

    const QString value = ini.readString(section, key, QStringLiteral("default"));
    if (value.size() > common::IniFile::kMaxValueLength)
        __builtin_trap();
    (void)ini.readInteger(section, key, -1);
    (void)ini.readInteger(u"Anz_Einträge", u"Anzahl", 0);
    (void)ini.hasSection(section);
    (void)ini.hasKey(section, QStringLiteral("0"));

    ini.writeString(section, key, QStringLiteral("written"));
    if (ini.readString(section, key) != QStringLiteral("written"))
        __builtin_trap();
    ini.writeInteger(section, QStringLiteral("NewKey"), 42);
    ini.writeString(QStringLiteral("Neu"), QStringLiteral("1"), value);
    ini.writeString(QStringLiteral("Neu"), QStringLiteral("2"), text.left(64)); // line breaks and all
    ini.deleteKey(section, QStringLiteral("0"));
    ini.eraseSection(QStringLiteral("Item-1"));
    if (ini.hasSection(u"item-1"))
        __builtin_trap();
    const QByteArray bytes = ini.toBytes();

    // What was written must survive a save and a fresh load, and read the same before and after.
    if (!ini.save())
        __builtin_trap();
    const common::IniFile reread(path);
    if (reread.toBytes() != bytes)
        __builtin_trap();
    for (const QStringView k : {u"1", u"2"}) {
        if (reread.readString(u"Neu", k) != ini.readString(u"Neu", k))
            __builtin_trap();
    }
    return 0;
}

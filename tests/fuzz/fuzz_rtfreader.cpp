// Feeds arbitrary bytes to the rich-text reader of the information window, as a text on a disc
// would, with a small line limit so that the limit is reached often.
//
//   cmake --build build-fuzz --target fuzz_rtfreader
//   mkdir -p tests/fuzz/corpus/rtf && build-fuzz/tests/fuzz/fuzz_rtfreader tests/fuzz/corpus/rtf \
//       -max_total_time=180 -max_len=4096 -jobs=1

#include "common/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstddef>
#include <cstdint>

namespace {

constexpr qsizetype kMaxLines = 40;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv); // fonts and formats need it; lives as long as the process
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader is given what looks like rich text; the rest would be read as plain text.
    const QByteArray text = "{\\rtf1 " + QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    common::readRtf(text, &document, kMaxLines);
    if (document.blockCount() > kMaxLines)
        __builtin_trap();
    if (document.toRawText().count(QChar::LineSeparator) + document.blockCount() > kMaxLines + 1)
        __builtin_trap();
    (void)document.toPlainText();
    return 0;
}

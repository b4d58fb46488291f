// Feeds arbitrary bytes to the decoding of plain texts: the NFO and File_id.diz texts of zip
// archives (DOS code page 437) and information texts (Windows-1252), as the information window
// shows them.
//
//   cmake --build build-fuzz --target fuzz_nfotext
//   mkdir -p tests/fuzz/corpus/nfo && build-fuzz/tests/fuzz/fuzz_nfotext tests/fuzz/corpus/nfo \
//       -max_total_time=180 -max_len=4096 -jobs=1

#include "menu/content/PlainText.h"

#include <cstddef>
#include <cstdint>

namespace {

constexpr qsizetype kMaxLines = 20;

void check(QByteArrayView bytes, menu::TextEncoding encoding) {
    const QString text = menu::readPlainText(bytes, encoding, kMaxLines);
    // One character for every byte at most, no carriage returns, no end-of-file mark at the end.
    if (text.size() > bytes.size() || text.contains(u'\r') || text.endsWith(QChar(0x1A)))
        __builtin_trap();
    if (text.count(u'\n') >= kMaxLines)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(data, qsizetype(size));
    check(bytes, menu::TextEncoding::Dos437);
    check(bytes, menu::TextEncoding::Windows1252);
    return 0;
}

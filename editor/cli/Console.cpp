#include "editor/cli/Console.h"

#include <unistd.h>

namespace {

constexpr int kPercent = 100;

} // namespace

Console::Console() : Console(stdout, stderr, isatty(STDERR_FILENO) == 1) {}

Console::Console(std::FILE* out, std::FILE* err, bool terminal)
    : m_out(out), m_err(err), m_terminal(terminal) {}

void Console::line(std::FILE* stream, const QString& prefix, const QString& text) {
    clearProgress();
    const QByteArray bytes = (prefix + text).toLocal8Bit();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream);
    if (!text.endsWith(u'\n'))
        std::fputc('\n', stream);
    std::fflush(stream);
}

void Console::result(const QString& text) {
    line(m_out, {}, text);
}

void Console::step(const QString& text) {
    line(m_err, {}, text);
}

void Console::message(const QString& text) {
    line(m_err, QStringLiteral("Lumbre: "), text);
}

void Console::progress(const QString& stage, std::int64_t done, std::int64_t total) {
    if (!m_terminal)
        return;
    QString text = stage;
    if (total > 0)
        text += QStringLiteral(" %1 %").arg(done * kPercent / total);
    // Back to the line's start, the text, and the rest of an earlier, longer line wiped.
    const QByteArray bytes = (u'\r' + text).toLocal8Bit() + "\x1b[K";
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), m_err);
    std::fflush(m_err);
    m_progressShown = true;
}

void Console::clearProgress() {
    if (!m_progressShown)
        return;
    std::fputs("\r\x1b[K", m_err);
    m_progressShown = false;
}

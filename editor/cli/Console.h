#pragma once

#include <QString>

#include <cstdint>
#include <cstdio>

// What a command says while it runs. Messages and finished steps go to standard error, one line
// each; a terminal also sees the progress of long steps, redrawn on one line. Results that a
// script reads (help, version, the check's lists) go to standard output.
class Console {
public:
    Console(); // on the process's standard streams
    Console(std::FILE* out, std::FILE* err, bool terminal);

    bool terminal() const { return m_terminal; }
    void result(const QString& text);
    void step(const QString& text);
    // A warning or a failure, named after the program.
    void message(const QString& text);
    // A long step under way; shown on a terminal only.
    void progress(const QString& stage, std::int64_t done = 0, std::int64_t total = 0);

private:
    void line(std::FILE* stream, const QString& prefix, const QString& text);
    void clearProgress();

    std::FILE* m_out;
    std::FILE* m_err;
    bool m_terminal;
    bool m_progressShown = false;
};

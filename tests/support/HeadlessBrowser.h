#pragma once

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <unistd.h>

// Debian's headless Chromium, run on a page as a user's browser opens it from a disc: from a
// file:// address, in a profile of its own that the test throws away.
class HeadlessBrowser {
public:
    HeadlessBrowser() {
        for (const char* name : {"chromium-headless-shell", "chromium", "chromium-browser"}) {
            m_program = QStandardPaths::findExecutable(QLatin1String(name));
            if (!m_program.isEmpty())
                break;
        }
    }
    bool found() const { return !m_program.isEmpty(); }

    // The page's document once its scripts have run, as markup.
    QString dumpDom(const QString& page, const QString& fragment = {}) {
        return QString::fromUtf8(run({QStringLiteral("--dump-dom"), address(page, fragment)}));
    }
    // The page as the browser shows it in a window of `size`.
    QImage screenshot(const QString& page, QSize size, const QString& fragment = {}) {
        const QString shot = m_profile.filePath(QStringLiteral("shot.png"));
        QFile::remove(shot);
        run({QStringLiteral("--screenshot=") + shot, QStringLiteral("--hide-scrollbars"),
             QStringLiteral("--window-size=%1,%2").arg(size.width()).arg(size.height()),
             address(page, fragment)});
        return QImage(shot);
    }

private:
    static QString address(const QString& page, const QString& fragment) {
        QUrl url = QUrl::fromLocalFile(page);
        if (!fragment.isEmpty())
            url.setFragment(fragment);
        return url.toString(QUrl::FullyEncoded);
    }

    QByteArray run(QStringList arguments) {
        QStringList options = {QStringLiteral("--disable-gpu"), QStringLiteral("--no-first-run"),
                               QStringLiteral("--user-data-dir=") + m_profile.path(),
                               // Time enough for the scripts and the splash screen's fade.
                               QStringLiteral("--virtual-time-budget=5000")};
        // Chromium refuses to run as root inside its sandbox.
        if (::geteuid() == 0)
            options << QStringLiteral("--no-sandbox");
        QProcess browser;
        browser.setProcessChannelMode(QProcess::SeparateChannels);
        browser.start(m_program, options + arguments);
        browser.waitForFinished(60000);
        return browser.readAllStandardOutput();
    }

    QString m_program;
    QTemporaryDir m_profile;
};

#include "ui/services/DesktopSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace ui {

DesktopSound::DesktopSound() = default;

DesktopSound::~DesktopSound() {
    qDeleteAll(m_effects);
}

void DesktopSound::play(const QString& source) {
    stop();
    // A missing sound stays silent without a loader thread being started for it; such a load,
    // abandoned at exit, is never freed.
    if (source.isEmpty() || !QFileInfo(source).isFile())
        return;
    QSoundEffect*& effect = m_effects[source];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(source.startsWith(u':')
                              ? QUrl(QStringLiteral("qrc") + source)
                              : QUrl::fromLocalFile(QFileInfo(source).absoluteFilePath()));
    }
    m_playing = effect;
    effect->play();
}

void DesktopSound::stop() {
    if (m_playing)
        m_playing->stop();
    m_playing = nullptr;
}

} // namespace ui

#pragma once

#include <QByteArray>
#include <QList>

namespace assetgen {

// A RIFF wave file holding 16-bit PCM samples, mono.
QByteArray waveFile(const QList<qint16>& samples, int sampleRate);

// The editor's button click: a short, soft tick.
QList<qint16> clickSamples(int sampleRate);

} // namespace assetgen

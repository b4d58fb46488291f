#include "tools/assetgen/Wave.h"

#include "tools/assetgen/Bytes.h"

#include <cmath>
#include <numbers>

namespace assetgen {

QByteArray waveFile(const QList<qint16>& samples, int sampleRate) {
    const quint32 dataSize = quint32(samples.size() * 2);
    QByteArray out;
    out.append("RIFF");
    appendLe32(out, 36 + dataSize);
    out.append("WAVEfmt ");
    appendLe32(out, 16); // format chunk size
    appendLe16(out, 1);  // PCM
    appendLe16(out, 1);  // mono
    appendLe32(out, quint32(sampleRate));
    appendLe32(out, quint32(sampleRate * 2)); // bytes per second
    appendLe16(out, 2);                       // block align
    appendLe16(out, 16);                      // bits per sample
    out.append("data");
    appendLe32(out, dataSize);
    for (const qint16 s : samples)
        appendLe16(out, quint16(s));
    return out;
}

QList<qint16> clickSamples(int sampleRate) {
    // Two damped partials give a short woody tick rather than a beep.
    const int count = sampleRate * 30 / 1000;
    QList<qint16> samples;
    samples.reserve(count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        const double envelope = std::exp(-t * 260.0) * std::min(1.0, t * 4000.0);
        const double tone = 0.7 * std::sin(2 * std::numbers::pi * 1850.0 * t) +
                            0.3 * std::sin(2 * std::numbers::pi * 3300.0 * t);
        samples.append(qint16(std::lround(0.55 * 32767.0 * envelope * tone)));
    }
    return samples;
}

} // namespace assetgen

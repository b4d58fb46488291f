#include "tools/assetgen/DesignMedia.h"

#include "tools/assetgen/Encode.h"
#include "tools/assetgen/Paint.h"
#include "tools/assetgen/Wave.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace assetgen {
namespace {

// ---------------------------------------------------------------------------------------------
// Sounds

constexpr int kRate = 22050;

// The overtones of a note: ratio to the fundamental and level.
using Partials = std::vector<std::pair<double, double>>;

// A mixing buffer of floating-point samples, turned into 16-bit samples at the end.
class Mix {
public:
    explicit Mix(double seconds) : m_samples(std::size_t(seconds * kRate), 0.0) {}

    // A struck note: a few partials, each dying away faster than the one below it, after an
    // attack short enough to sound struck but long enough not to click.
    void bell(double start, double frequency, double gain, double decay, const Partials& partials) {
        const std::size_t first = std::size_t(start * kRate);
        for (std::size_t i = first; i < m_samples.size(); ++i) {
            const double t = double(i - first) / kRate;
            const double attack = std::min(1.0, t / 0.004);
            double value = 0;
            int n = 0;
            for (const auto& [ratio, level] : partials) {
                value += level * std::exp(-t * decay * (1.0 + 0.6 * n)) *
                         std::sin(2 * std::numbers::pi * frequency * ratio * t);
                ++n;
            }
            m_samples[i] += gain * attack * value;
        }
    }

    // A soft drop: a sine whose pitch falls from `from` to `to`, gone within a few hundredths.
    void drop(double from, double to, double glide, double decay, double gain) {
        double phase = 0;
        for (std::size_t i = 0; i < m_samples.size(); ++i) {
            const double t = double(i) / kRate;
            const double frequency = to + (from - to) * std::exp(-t / glide);
            phase += 2 * std::numbers::pi * frequency / kRate;
            const double attack = std::min(1.0, t / 0.002);
            m_samples[i] += gain * attack * std::exp(-t * decay) * std::sin(phase);
        }
    }

    // Scaled to the given peak (of full scale), faded out over the last 15 ms.
    QList<qint16> samples(double peak) const {
        double highest = 0;
        for (const double s : m_samples)
            highest = std::max(highest, std::abs(s));
        const double scale = highest > 0 ? peak * 32767.0 / highest : 0;
        const std::size_t fade = std::min<std::size_t>(m_samples.size(), kRate * 15 / 1000);
        QList<qint16> out;
        out.reserve(qsizetype(m_samples.size()));
        for (std::size_t i = 0; i < m_samples.size(); ++i) {
            const std::size_t left = m_samples.size() - i;
            const double tail = left < fade ? double(left) / double(fade) : 1.0;
            out.append(qint16(std::lround(m_samples[i] * scale * tail)));
        }
        return out;
    }

private:
    std::vector<double> m_samples;
};

// Frequencies of the notes used, in hertz.
constexpr double kC5 = 523.25, kE5 = 659.26, kG5 = 783.99, kA5 = 880.00, kC6 = 1046.50, kE6 = 1318.51;

// A glass-like bell: the octave and a touch of the twelfth over the fundamental.
const Partials kGlass = {{1.0, 1.0}, {2.0, 0.32}, {3.0, 0.1}, {4.16, 0.05}};
// A mellow mallet: almost a pure tone.
const Partials kMallet = {{1.0, 1.0}, {2.0, 0.12}, {3.98, 0.08}};

// Sound 1: the menu opens, a rising major arpeggio that settles on the octave.
QList<qint16> startChime() {
    Mix mix(1.25);
    mix.bell(0.00, kC5, 0.75, 3.2, kGlass);
    mix.bell(0.09, kE5, 0.70, 3.2, kGlass);
    mix.bell(0.18, kG5, 0.70, 3.2, kGlass);
    mix.bell(0.30, kC6, 0.90, 2.8, kGlass);
    return mix.samples(0.55);
}

// Sound 2: a category or an item is chosen; it plays often, so it is short and quiet.
QList<qint16> selectPop() {
    Mix mix(0.075);
    mix.drop(1500, 900, 0.012, 70, 1.0);
    return mix.samples(0.32);
}

// Sound 3: a button is pressed, a soft wooden tick.
QList<qint16> buttonTick() {
    Mix mix(0.05);
    mix.bell(0, 1180, 1.0, 120, {{1.0, 1.0}, {2.46, 0.35}, {4.1, 0.12}});
    return mix.samples(0.42);
}

// Sound 4: a copy has finished, two notes up a fourth.
QList<qint16> copyDone() {
    Mix mix(0.8);
    mix.bell(0.00, kG5, 0.8, 5.0, kMallet);
    mix.bell(0.13, kC6, 1.0, 4.2, kMallet);
    return mix.samples(0.5);
}

// Sound 5: an unzip has finished, three quick notes of a major chord.
QList<qint16> unzipDone() {
    Mix mix(0.85);
    mix.bell(0.00, kE5, 0.75, 5.0, kMallet);
    mix.bell(0.08, kA5, 0.8, 5.0, kMallet);
    mix.bell(0.16, kE6, 0.9, 4.2, kMallet);
    return mix.samples(0.5);
}

// ---------------------------------------------------------------------------------------------
// Bitmaps

constexpr int kBackWidth = 640, kBackHeight = 480;
constexpr int kButtonWidth = 72, kButtonHeight = 46; // the menu window's command buttons

// A fixed sequence of numbers in [0, 1), the same on every run and every machine.
class Sequence {
public:
    explicit Sequence(quint32 seed) : m_state(seed) {}
    double next() {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 24);
    }

private:
    quint32 m_state;
};

QImage opaque(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void verticalGradient(QPainter& p, const QRect& rect, std::initializer_list<std::pair<qreal, QColor>> stops) {
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(rect, g);
}

// A soft glow: a radial gradient from the colour to nothing.
void glow(QPainter& p, QPointF centre, qreal radius, QColor colour) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    colour.setAlpha(0);
    g.setColorAt(1, colour);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

// A band below a wavy line across the whole width, down to the bottom.
QPainterPath swell(qreal y, qreal amplitude, qreal phase) {
    QPainterPath path({-10, y});
    const qreal w = kBackWidth + 20;
    path.cubicTo(w * 0.3, y - amplitude * std::sin(phase), w * 0.6, y + amplitude * std::cos(phase), w,
                 y - amplitude * 0.4);
    path.lineTo(w, kBackHeight + 10);
    path.lineTo(-10, kBackHeight + 10);
    path.closeSubpath();
    return path;
}

// Dark: deep night blue down to sea teal, with light swells below. For light text.
QImage ocean() {
    QImage image = opaque(kBackWidth, kBackHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(
        p, image.rect(),
        {{0, QColor(0x0B, 0x1E, 0x3F)}, {0.55, QColor(0x0F, 0x3D, 0x63)}, {1, QColor(0x0E, 0x74, 0x90)}});
    glow(p, {560, 40}, 260, QColor(0x38, 0xBD, 0xF8, 46));
    const struct {
        qreal y, amplitude, phase;
        int alpha;
    } swells[] = {{300, 40, 0.3, 12}, {350, 34, 1.4, 14}, {395, 30, 2.2, 16}, {440, 22, 3.1, 18}};
    for (const auto& s : swells)
        p.fillPath(swell(s.y, s.amplitude, s.phase), QColor(255, 255, 255, s.alpha));
    return image;
}

// Dark: indigo into wine red with soft out-of-focus lights. For light text.
QImage dusk() {
    QImage image = opaque(kBackWidth, kBackHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(
        p, image.rect(),
        {{0, QColor(0x1E, 0x1B, 0x4B)}, {0.6, QColor(0x4C, 0x1D, 0x95)}, {1, QColor(0x83, 0x18, 0x43)}});
    Sequence random(1998);
    for (int i = 0; i < 28; ++i) {
        const QPointF centre(random.next() * kBackWidth, random.next() * kBackHeight);
        const qreal radius = 18 + random.next() * 60;
        const QColor tint = random.next() < 0.5 ? QColor(0xF9, 0xA8, 0xD4) : QColor(0xC4, 0xB5, 0xFD);
        const int alpha = 10 + int(random.next() * 20);
        // Out-of-focus lights: even inside, a soft rim, no hard edge.
        QRadialGradient light(centre, radius);
        light.setColorAt(0, QColor(tint.red(), tint.green(), tint.blue(), alpha));
        light.setColorAt(0.8, QColor(tint.red(), tint.green(), tint.blue(), alpha + 6));
        light.setColorAt(1, QColor(tint.red(), tint.green(), tint.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(centre, radius, radius);
    }
    return image;
}

// Light: a pale paper with a fine diagonal weave. For dark text.
QImage paper() {
    QImage image = opaque(kBackWidth, kBackHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, image.rect(), {{0, colour::slate50}, {1, colour::slate200}});
    p.setPen(QPen(QColor(0x64, 0x74, 0x8B, 16), 1));
    for (int x = -kBackHeight; x < kBackWidth; x += 10) {
        p.drawLine(QPointF(x, 0), QPointF(x + kBackHeight, kBackHeight));
        p.drawLine(QPointF(x + kBackHeight, 0), QPointF(x, kBackHeight));
    }
    glow(p, {120, 80}, 320, QColor(255, 255, 255, 150));
    return image;
}

// Light: a morning sky over soft green hills. For dark text.
QImage hills() {
    QImage image = opaque(kBackWidth, kBackHeight);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(
        p, image.rect(),
        {{0, QColor(0xE0, 0xF2, 0xFE)}, {0.6, QColor(0xF0, 0xF9, 0xFF)}, {1, QColor(0xF7, 0xFE, 0xE7)}});
    glow(p, {500, 90}, 180, QColor(0xFE, 0xF3, 0xC7, 170));
    const struct {
        qreal y, amplitude, phase;
        QColor colour;
    } layers[] = {{330, 46, 0.8, QColor(0xBB, 0xF7, 0xD0, 150)},
                  {380, 38, 2.0, QColor(0x86, 0xEF, 0xAC, 120)},
                  {430, 30, 3.4, QColor(0x4A, 0xDE, 0x80, 90)}};
    for (const auto& l : layers)
        p.fillPath(swell(l.y, l.amplitude, l.phase), l.colour);
    return image;
}

// A button face: a glossy vertical gradient with a light upper half and a thin highlight.
QImage buttonFace(const QColor& top, const QColor& middle, const QColor& lower, const QColor& bottom) {
    QImage image = opaque(kButtonWidth, kButtonHeight);
    QPainter p(&image);
    verticalGradient(p, image.rect(), {{0, top}, {0.5, middle}, {0.5001, lower}, {1, bottom}});
    p.fillRect(QRect(0, 1, kButtonWidth, 1), QColor(255, 255, 255, 90));
    return image;
}

} // namespace

QList<Asset> designMedia() {
    return {
        {QStringLiteral("back/Ocean.bmp"), bmpFile(ocean())},
        {QStringLiteral("back/Dusk.bmp"), bmpFile(dusk())},
        {QStringLiteral("back/Paper.bmp"), bmpFile(paper())},
        {QStringLiteral("back/Hills.bmp"), bmpFile(hills())},
        {QStringLiteral("back/ButtonSilver.bmp"),
         bmpFile(buttonFace(colour::paper, colour::slate100, colour::slate200, colour::slate300))},
        {QStringLiteral("back/ButtonBlue.bmp"),
         bmpFile(
             buttonFace(QColor(0x60, 0xA5, 0xFA), colour::blue, colour::blueDark, QColor(0x1E, 0x3A, 0x8A)))},
        {QStringLiteral("Sounds/Start.wav"), waveFile(startChime(), kRate)},
        {QStringLiteral("Sounds/Select.wav"), waveFile(selectPop(), kRate)},
        {QStringLiteral("Sounds/Button.wav"), waveFile(buttonTick(), kRate)},
        {QStringLiteral("Sounds/CopyDone.wav"), waveFile(copyDone(), kRate)},
        {QStringLiteral("Sounds/UnzipDone.wav"), waveFile(unzipDone(), kRate)},
    };
}

} // namespace assetgen

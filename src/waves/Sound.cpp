#include "waves/Sound.h"

#include "gdi/GdiMath.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Sound {

namespace {

using Gdi::Pi;

struct Key
{
    Gdi::Rect rect;
    int frequency;
};

// Hit rectangles before shrinking: the lower halves of the white keys, the
// bodies of the black ones.
constexpr std::array<Key, Keys> Table{{
    {{0, 40, 24, 80}, 262},
    {{16, 0, 32, 40}, 278},
    {{24, 40, 48, 80}, 294},
    {{40, 0, 56, 40}, 311},
    {{48, 40, 72, 80}, 330},
    {{72, 40, 96, 80}, 349},
    {{88, 0, 104, 40}, 370},
    {{96, 40, 120, 80}, 392},
    {{112, 0, 128, 40}, 415},
    {{120, 40, 144, 80}, 440},
    {{136, 0, 152, 40}, 466},
    {{144, 40, 168, 80}, 494},
    {{168, 40, 192, 80}, 523},
}};

void put16(QByteArray &bytes, int offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

void put32(QByteArray &bytes, int offset, quint32 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

} // namespace

const std::array<Gdi::Rect, Keys> &keyRects()
{
    static const std::array<Gdi::Rect, Keys> rects = [] {
        std::array<Gdi::Rect, Keys> r{};
        for (std::size_t i = 0; i < Table.size(); ++i) {
            r[i] = Table[i].rect.inflated(-2, -2);
        }
        return r;
    }();
    return rects;
}

int KeyFrequency(int key)
{
    return key >= 0 && key <= 11 ? Table[std::size_t(key)].frequency : 523;
}

int FindKey(QPoint point, int *key)
{
    const auto &rects = keyRects();
    for (int i = 0; i < Keys; ++i) {
        if (rects[std::size_t(i)].contains(point)) {
            *key = i;
            return Table[std::size_t(i)].frequency;
        }
    }
    *key = -1;
    return 0;
}

bool PointOnKey(QPoint point)
{
    int key = -1;
    return FindKey(point, &key) != 0;
}

int samplesPerPeriod(int frequency)
{
    const double d = frequency * 360.0 / SampleRate;
    return Gdi::roundHalfEven(360 / d);
}

std::vector<qint16> toneSamples(int frequency, const std::array<int, 5> &amplitudes)
{
    const double d = frequency * 360.0 / SampleRate;
    const int n = samplesPerPeriod(frequency);
    std::vector<qint16> samples(std::size_t(std::max(n, 0)));
    for (int i = 0; i < n; ++i) {
        const double a = i * d * Pi / 180;
        double v = 0;
        for (int k = 1; k <= 5; ++k) {
            v += std::sin(k * a) * amplitudes[std::size_t(k - 1)] * 1000;
        }
        // Held at +-32000, never wrapped to the opposite sign.
        samples[std::size_t(i)] = qint16(std::clamp(Gdi::roundHalfEven(v), -32000, 32000));
    }
    if (n > 0) {
        samples.back() = 0;
    }
    return samples;
}

QByteArray MakeWaveHeader(int dataBytes, int bitsPerSample, int sampleRate, int channels)
{
    QByteArray header(44, '\0');
    const int dataSize = channels * dataBytes;
    header.replace(0, 4, "RIFF");
    put32(header, 4, quint32(dataSize + 36));
    header.replace(8, 4, "WAVE");
    header.replace(12, 4, "fmt ");
    put32(header, 16, 16);
    put16(header, 20, 1); // PCM
    put16(header, 22, quint16(channels));
    put32(header, 24, quint32(sampleRate));
    put32(header, 28, quint32(bitsPerSample / 8 * channels * sampleRate));
    put16(header, 32, quint16(bitsPerSample / 8 * channels));
    put16(header, 34, quint16(bitsPerSample));
    header.replace(36, 4, "data");
    put32(header, 40, quint32(dataSize));
    return header;
}

QByteArray PlayTone(int frequency, const std::array<int, 5> &amplitudes)
{
    const std::vector<qint16> samples = toneSamples(frequency, amplitudes);
    QByteArray file = MakeWaveHeader(int(samples.size()) * 2, 16, SampleRate, 1);
    const qsizetype header = file.size();
    file.resize(header + qsizetype(samples.size()) * 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        qToLittleEndian(samples[i], file.data() + header + qsizetype(i) * 2);
    }
    return file;
}

QString NoteName(int key)
{
    static const std::array<const char *, Keys> names{"C", "C#", "D", "D#", "E", "F", "F#",
                                                      "G", "G#", "A", "A#", "B", "C"};
    return key >= 0 && key < Keys ? QString::fromLatin1(names[std::size_t(key)]) : QString();
}

void DrawKeyboard(Gdi::Canvas &target, int width, int height, int heldKey)
{
    // A held key is shaded: the white keys pale blue, the black keys dark blue.
    const QColor heldWhite(150, 190, 255);
    const QColor heldBlack(0, 0, 160);
    const bool heldIsBlack = heldKey >= 0 && heldKey < Keys && NoteName(heldKey).endsWith(QLatin1Char('#'));
    const int h = height / 2 - 5;
    target.pen = Gdi::Pen{};
    target.brush = Gdi::Brush{Qt::white, Gdi::BrushStyle::Solid};
    target.fillRect(0, 0, width, height);
    target.brush.color = QColor(255, 255, 224);
    target.rectangle(0, 0, width, 2 * h);
    if (heldKey >= 0 && heldKey < Keys && !heldIsBlack) {
        // The white key's whole width, left of its hit rectangle's start.
        const int left = Table[std::size_t(heldKey)].rect.left;
        target.brush.color = heldWhite;
        target.fillRect(left + 1, 1, left + 24, 2 * h - 1);
    }
    for (int k = 0; k <= 7; ++k) {
        target.moveTo(24 * k, 0);
        target.lineTo(24 * k, 2 * h);
    }
    for (int k : {1, 2, 4, 5, 6, 8}) {
        const int x = 24 * k;
        const bool held = heldIsBlack && Table[std::size_t(heldKey)].rect.left == x - 8;
        target.brush.color = held ? heldBlack : QColor(Qt::black);
        target.roundRect(x - 8, 0, x + 8, h, 5, 5);
    }
    // The note names along the bottom of the white keys.
    target.font.height = -10;
    target.font.color = QColor(64, 64, 64);
    target.brush.style = Gdi::BrushStyle::Clear;
    for (int k = 0; k <= 7; ++k) {
        const QString name = k == 7 ? QStringLiteral("C") : NoteName(std::array{0, 2, 4, 5, 7, 9, 11}[std::size_t(k)]);
        target.textOut(24 * k + 12 - target.textWidth(name) / 2, 2 * h - 13, name);
    }
    target.brush.style = Gdi::BrushStyle::Solid;
    target.drawEdgeSunken({0, 0, width, height});
}

int waveY(int frequency, const std::array<int, 5> &amplitudes, int i)
{
    // 360 pixels show 2f/262 cycles: two at 262 Hz.
    const double s = 2.0 * frequency / 262;
    const double theta = i * s * Pi / 180;
    double sum = 0;
    for (int k = 1; k <= 5; ++k) {
        sum += std::sin(k * theta) * (45.0 * amplitudes[std::size_t(k - 1)]) / 32;
    }
    return std::clamp(50 - Gdi::roundHalfEven(sum), 5, 95);
}

void DrawSoundWave(Gdi::Canvas &target, int frequency, const std::array<int, 5> &amplitudes)
{
    Gdi::Bitmap bitmap(380, 100);
    Gdi::Canvas &c = bitmap.canvas();
    c.font.height = 13;
    c.brush.style = Gdi::BrushStyle::Clear;
    c.moveTo(10, 50);
    c.lineTo(370, 50);
    std::array<QPoint, 361> points;
    for (int i = 0; i <= 360; ++i) {
        points[std::size_t(i)] = QPoint(i + 10, waveY(frequency, amplitudes, i));
        if (i % 24 == 0) {
            c.moveTo(i + 10, 50);
            c.lineTo(i + 10, 54);
        }
        if (i % 48 == 0) {
            const QString label = QString::number(i / 48);
            c.textOut(i + 10 - c.textWidth(label) / 2, 55, label);
        }
    }
    c.textOut(330, 35, QCoreApplication::translate("Sound", "time(ms)"));
    c.pen.color = QColor(0, 0, 255);
    c.polyline(points);
    c.drawEdgeSunken({0, 0, 380, 100});
    target.draw(0, 0, bitmap.image());
}

} // namespace Sound

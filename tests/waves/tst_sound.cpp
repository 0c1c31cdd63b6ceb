#include "gdi/Canvas.h"
#include "gdi/PaintBox.h"
#include "shell/Session.h"
#include "waves/SndSpeed.h"
#include "waves/SndSpeedPage.h"
#include "waves/Sound.h"
#include "waves/SoundPage.h"
#include "waves/TonePlayer.h"

#include <QLabel>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QtEndian>

#include <array>
#include <cmath>
#include <numbers>

namespace {

quint32 u32(const QByteArray &b, int offset)
{
    return qFromLittleEndian<quint32>(b.constData() + offset);
}
quint16 u16(const QByteArray &b, int offset)
{
    return qFromLittleEndian<quint16>(b.constData() + offset);
}
qint16 sample(const QByteArray &file, int i)
{
    return qFromLittleEndian<qint16>(file.constData() + 44 + 2 * i);
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The first key: 168 samples, a 380-byte file.
    void waveFile()
    {
        const QByteArray file = Sound::PlayTone(262, {16, 0, 0, 0, 0});
        QCOMPARE(file.size(), 380);
        QCOMPARE(file.left(4), QByteArray("RIFF"));
        QCOMPARE(u32(file, 4), 336u + 36u);
        QCOMPARE(file.mid(8, 4), QByteArray("WAVE"));
        QCOMPARE(file.mid(12, 4), QByteArray("fmt "));
        QCOMPARE(u32(file, 16), 16u);
        QCOMPARE(u16(file, 20), quint16(1));
        QCOMPARE(u16(file, 22), quint16(1));
        QCOMPARE(u32(file, 24), 44100u);
        QCOMPARE(u32(file, 28), 88200u);
        QCOMPARE(u16(file, 32), quint16(2));
        QCOMPARE(u16(file, 34), quint16(16));
        QCOMPARE(file.mid(36, 4), QByteArray("data"));
        QCOMPARE(u32(file, 40), 336u);
        // 16 x 1000 sin(a): a quarter period in, the peak 16000.
        QCOMPARE(sample(file, 0), qint16(0));
        QCOMPARE(sample(file, 42), qint16(16000));
        QCOMPARE(sample(file, 167), qint16(0)); // the last sample is 0
    }

    void silence()
    {
        const QByteArray file = Sound::PlayTone(440, {0, 0, 0, 0, 0});
        QCOMPARE(file.size(), 44 + 2 * 100);
        for (int i = 0; i < 100; ++i) {
            QCOMPARE(sample(file, i), qint16(0));
        }
    }

    // All five at 32: sums beyond 32000 are held there, never wrapped.
    void clipping()
    {
        const auto samples = Sound::toneSamples(262, {32, 32, 32, 32, 32});
        int held = 0;
        for (std::size_t i = 1; i + 1 < samples.size(); ++i) {
            QVERIFY(samples[i] >= -32000 && samples[i] <= 32000);
            held += std::abs(samples[i]) == 32000;
        }
        QVERIFY(held > 0);
        // Near a quarter period the sum is large and positive: it stays positive.
        QCOMPARE(samples[20], qint16(32000));
    }

    void samplesPerPeriod_data()
    {
        QTest::addColumn<int>("frequency");
        QTest::addColumn<int>("n");
        QTest::newRow("262 Hz") << 262 << 168;
        QTest::newRow("294 Hz: exactly 150") << 294 << 150;
        QTest::newRow("392 Hz: just below 112.5") << 392 << 112;
        QTest::newRow("440 Hz") << 440 << 100;
        QTest::newRow("523 Hz") << 523 << 84;
    }
    void samplesPerPeriod()
    {
        QFETCH(int, frequency);
        QFETCH(int, n);
        QCOMPARE(Sound::samplesPerPeriod(frequency), n);
    }

    void hitTesting_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<int>("key");
        QTest::newRow("first key, shrunk corner") << QPoint(2, 42) << 0;
        QTest::newRow("first key's right edge is out") << QPoint(22, 50) << -1;
        QTest::newRow("margin of the first key") << QPoint(1, 50) << -1;
        QTest::newRow("upper part of a white key") << QPoint(10, 20) << -1;
        QTest::newRow("first black key") << QPoint(24, 20) << 1;
        QTest::newRow("below the keys") << QPoint(10, 85) << -1;
        QTest::newRow("the half black key at the edge") << QPoint(188, 20) << -1;
        QTest::newRow("last white key") << QPoint(180, 60) << 12;
    }
    void hitTesting()
    {
        QFETCH(QPoint, point);
        QFETCH(int, key);
        int found = 99;
        const int frequency = Sound::FindKey(point, &found);
        QCOMPARE(found, key);
        QCOMPARE(frequency, key < 0 ? 0 : (key == 12 ? 523 : Sound::KeyFrequency(key)));
        QCOMPARE(Sound::PointOnKey(point), key >= 0);
    }

    void waveformPicture()
    {
        // The start-up tone: 45 x 16 / 32 = 22.5 pixels, two cycles over 360 pixels.
        int top = 100;
        int bottom = 0;
        for (int i = 0; i <= 360; ++i) {
            const int y = Sound::waveY(262, {16, 0, 0, 0, 0}, i);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        QCOMPARE(top, 28);
        QCOMPARE(bottom, 72);
        QCOMPARE(Sound::waveY(262, {16, 0, 0, 0, 0}, 180), 50); // one cycle: back on the axis
        QCOMPARE(Sound::waveY(262, {32, 32, 32, 32, 32}, 20), 5); // held to 5..95
        QCOMPARE(Sound::waveY(262, {0, 0, 0, 0, 0}, 77), 50);
    }

    // Each amplitude column head is centred over its own slider.
    void amplitudeHeadsStandOverTheirSliders()
    {
        Session session;
        SoundPage page(session);
        page.resize(420, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        static constexpr std::array<const char *, 5> sliders{"AmplitudeSB", "AmplitudeSB1", "AmplitudeSB2",
                                                             "AmplitudeSB3", "AmplitudeSB4"};
        const QStringList heads{QStringLiteral("f"), QStringLiteral("2f"), QStringLiteral("3f"), QStringLiteral("4f"),
                                QStringLiteral("5f")};
        for (std::size_t k = 0; k < sliders.size(); ++k) {
            auto *slider = page.findChild<QSlider *>(QString::fromLatin1(sliders[k]));
            const int sliderCentre = slider->mapTo(&page, slider->rect().center()).x();
            auto *head = page.childAt(sliderCentre, slider->mapTo(&page, QPoint(0, 0)).y() - 8);
            auto *headLabel = qobject_cast<QLabel *>(head);
            QVERIFY2(headLabel, sliders[k]);
            QCOMPARE(headLabel->text(), heads[int(k)]);
            const int headCentre = headLabel->mapTo(&page, headLabel->rect().center()).x();
            QVERIFY(std::abs(headCentre - sliderCentre) <= 1);
        }
    }

    void page()
    {
        Session session;
        SoundPage page(session);
        page.resize(420, 300);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        auto *label = page.findChild<QLabel *>(QStringLiteral("SndFrequencyLabel"));
        QCOMPARE(label->text(), QStringLiteral("frequency 262 Hz"));
        QCOMPARE(page.amplitudes(), (std::array<int, 5>{16, 0, 0, 0, 0}));
        // Moving the frequency plays nothing.
        page.findChild<QSlider *>(QStringLiteral("FrequencySB"))->setValue(7);
        QCOMPARE(label->text(), QStringLiteral("frequency 392 Hz"));
        QVERIFY(page.lastTone().isEmpty());
        // Pressing the 440 Hz key moves the slider and builds its period.
        auto *keys = page.findChild<PaintBox *>(QStringLiteral("KeyPic"));
        QTest::mousePress(keys, Qt::LeftButton, {}, QPoint(130, 60));
        QCOMPARE(label->text(), QStringLiteral("frequency 440 Hz"));
        QCOMPARE(page.lastTone().size(), 44 + 200);
        // The held A key is shaded on the keyboard until it is let go.
        const auto colourAt = [keys](QPoint p) {
            keys->ensurePainted();
            return QColor(keys->surface().pixel(p));
        };
        QCOMPARE(page.heldKey(), 9);
        QCOMPARE(colourAt(QPoint(140, 50)), QColor(150, 190, 255));
        QTest::mouseRelease(keys, Qt::LeftButton, {}, QPoint(130, 60));
        QVERIFY(!page.player().isPlaying());
        QCOMPARE(page.heldKey(), -1);
        QCOMPARE(colourAt(QPoint(140, 50)), QColor(255, 255, 224));
        // A held black key (C#) turns dark blue.
        QTest::mousePress(keys, Qt::LeftButton, {}, QPoint(24, 20));
        QCOMPARE(colourAt(QPoint(24, 20)), QColor(0, 0, 160));
        QTest::mouseRelease(keys, Qt::LeftButton, {}, QPoint(24, 20));
        QCOMPARE(colourAt(QPoint(24, 20)), QColor(Qt::black));
        // A press outside the keys does nothing.
        const QByteArray before = page.lastTone();
        QTest::mousePress(keys, Qt::LeftButton, {}, QPoint(10, 20));
        QCOMPARE(page.lastTone(), before);
        QCOMPARE(page.heldKey(), -1);
        QTest::mouseRelease(keys, Qt::LeftButton, {}, QPoint(10, 20));
    }

    // --- speed of sound ---

    // The loudspeaker and the microphone are named above the ruler, the
    // microphone's name following it along.
    void apparatusIsNamed()
    {
        const auto firstInkAfter = [](int micPosition, int from) {
            QImage image(361, 225, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                Gdi::Canvas c(&image);
                SndSpeed::DrawApparatus(c, 30, micPosition, 5, 0);
            }
            for (int x = from; x < 349; ++x) {
                for (int y = 140; y < 150; ++y) {
                    if (QColor(image.pixel(x, y)) != QColor(Qt::white)) {
                        return x;
                    }
                }
            }
            return -1;
        };
        QVERIFY(firstInkAfter(750, 22) >= 22 && firstInkAfter(750, 22) < 30); // "loudspeaker"
        const int near = firstInkAfter(750, 100);
        const int far = firstInkAfter(2500, 100);
        QVERIFY(near > 0);
        QVERIFY2(far > near + 100, qPrintable(QStringLiteral("%1 %2").arg(near).arg(far)));
    }

    void micRounding_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("d");
        QTest::newRow("745 to 74") << 745 << 74;
        QTest::newRow("755 to 76") << 755 << 76;
        QTest::newRow("750") << 750 << 75;
        QTest::newRow("far end") << 3000 << 300;
    }
    void micRounding()
    {
        QFETCH(int, position);
        QFETCH(int, d);
        QCOMPARE(SndSpeed::micOffset(position), d);
    }

    // At start channel 2 lags by 4 pi 3 75 / 990 = 2.856 rad with amplitude 37.3.
    void startValues()
    {
        QVERIFY(std::abs(SndSpeed::phaseLag(3, 75) - 2.8559933214452666) < 1e-12);
        QVERIFY(std::abs(SndSpeed::channel2Amplitude(1, 75) - 37.301587301587304) < 1e-12);
        QVERIFY(std::abs(SndSpeed::channel2Amplitude(1, 300) - 50.0 * 10 / 315) < 1e-12);
    }

    // d = 0 is in phase; one wavelength on (d = 165 at 300 Hz, phase 2 pi) in phase again.
    void inPhase_data()
    {
        QTest::addColumn<int>("d");
        QTest::newRow("at the speaker") << 0;
        QTest::newRow("one wavelength on") << 165;
    }
    void inPhase()
    {
        QFETCH(int, d);
        const auto one = SndSpeed::TracePoints(10, -10, 0, 3, 50);
        const auto two = SndSpeed::TracePoints(10, -10, SndSpeed::phaseLag(3, d), 3, 50);
        for (std::size_t j = 0; j < one.size(); ++j) {
            QCOMPARE(two[j], one[j]);
        }
    }

    void speedPage()
    {
        Session session;
        SndSpeedPage page(session);
        page.findChild<QScrollBar *>(QStringLiteral("SndFreqHsb"))->setValue(45);
        page.findChild<QScrollBar *>(QStringLiteral("sndYGainHsb"))->setValue(2);
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("sndFreqLabel"))->text(),
                 QStringLiteral("frequency = 450 Hz"));
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("sndYGainLabel"))->text(), QStringLiteral("2 volt/div"));
    }

    // The magnified ruler reads the microphone against its numbered ticks.
    void zoomView_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("face");
        // p 745: c 74, o = 8 + MulDiv(5, 8, 3) = 21 < 28: o 61.
        QTest::newRow("745") << 745 << 61;
        // p 755: c 75, o = 8 + 13 = 21: o 61.
        QTest::newRow("755") << 755 << 61;
        // p 709: c 70, o = 8 + 24 = 32.
        QTest::newRow("709") << 709 << 32;
    }
    void zoomView()
    {
        QFETCH(int, position);
        QFETCH(int, face);
        QImage image(105, 75, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            Gdi::Canvas c(&image);
            SndSpeed::DrawZoomView(c, position);
        }
        // The microphone face: its vertical side at x = o, silver to its right.
        QCOMPARE(image.pixel(face + 2, 5), qRgb(192, 192, 192));
        QCOMPARE(image.pixel(face - 2, 5), qRgb(255, 255, 224));
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"

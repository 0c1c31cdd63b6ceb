#pragma once

#include "gdi/Canvas.h"

#include <QByteArray>

#include <array>
#include <vector>

// Sound waves: a one-octave keyboard and tones of a fundamental with its
// harmonics 2f to 5f, synthesised as one period of 16-bit samples at 44100 Hz.
namespace Sound {

constexpr int SampleRate = 44100;
constexpr int Keys = 13;

// The keys' hit rectangles, each shrunk by 2 pixels on every side, in hit-test order.
const std::array<Gdi::Rect, Keys> &keyRects();
// 262, 278, ... 494 Hz for keys 0..11; any other index gives 523.
int KeyFrequency(int key);
// The first key whose rectangle holds the point: its frequency, with `key`
// set to its index; 0 and -1 when no key does.
int FindKey(QPoint point, int *key);
bool PointOnKey(QPoint point);

// Samples in one period of a tone: 360 / (f 360 / 44100) rounded half to even.
int samplesPerPeriod(int frequency);
// One period of the tone, each component A_k (0..32) peaking at A_k * 1000,
// the sum held to +-32000 and the last sample 0.
std::vector<qint16> toneSamples(int frequency, const std::array<int, 5> &amplitudes);
// The 44-byte RIFF/WAVE header for `dataBytes` of samples.
QByteArray MakeWaveHeader(int dataBytes, int bitsPerSample, int sampleRate, int channels);
// The complete WAVE file of one period: header and samples.
QByteArray PlayTone(int frequency, const std::array<int, 5> &amplitudes);

// The octave of keys with their note names (C D E F G A B C); the key held
// down (0..12 as KeyFrequency numbers them, -1 for none) is shown pressed.
void DrawKeyboard(Gdi::Canvas &target, int width, int height, int heldKey = -1);
// The key's note name: C, C#, D ... B, C.
QString NoteName(int key);
// y of the waveform at pixel i (0..360) of the picture, held to 5..95.
int waveY(int frequency, const std::array<int, 5> &amplitudes, int i);
void DrawSoundWave(Gdi::Canvas &target, int frequency, const std::array<int, 5> &amplitudes);

} // namespace Sound

#pragma once

#include "gdi/Canvas.h"

#include <array>

// The speed of sound experiment: a signal generator drives a loudspeaker, a
// microphone slides along a ruler, and a two-channel oscilloscope compares the
// signals. The ruler has 1.5 pixels per centimetre; sound travels 330 m/s.
namespace SndSpeed {

// Microphone offset in pixels from the ruler's zero: p / 10 rounded half to even.
int micOffset(int position);
// Phase lag of the microphone signal, 4 pi F d / 990 radians (F = f / 100).
double phaseLag(double f100, int d);
// Channel 2's amplitude: g 50 (310 - d) / 315 pixels, falling with distance.
double channel2Amplitude(int gain, int d);
// (x0 + j, 60 - A sin(j F degrees - psi) - s) for j = 0..200.
std::array<QPoint, 201> TracePoints(int x0, int shift, double psi, double f100, double amplitude);

void DrawCro(Gdi::Canvas &target, int d, int gain, int left, int top, int yShift, double f100, double amplitude1);
void DrawRulerStrip(Gdi::Canvas &target, int d, int left, int top);
void DrawLeadsAndGenerator(Gdi::Canvas &target);
// The whole apparatus picture for the four controls.
void DrawApparatus(Gdi::Canvas &target, int frequencyPosition, int micPosition, int gainPosition, int yShift);
void DrawZoomView(Gdi::Canvas &target, int micPosition);

} // namespace SndSpeed

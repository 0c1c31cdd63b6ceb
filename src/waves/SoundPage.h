#pragma once

#include "shell/TopicPage.h"

#include <array>

class PaintBox;
class QLabel;
class QSlider;
class TonePlayer;

// Sound waves: a keyboard that plays tones, and the tone's waveform.
class SoundPage : public TopicPage
{
    Q_OBJECT
public:
    explicit SoundPage(Session &session, QWidget *parent = nullptr);
    ~SoundPage() override;

    // A1..A5, each 32 - slider position.
    std::array<int, 5> amplitudes() const;
    // The WAVE file of the last key pressed (empty before the first).
    QByteArray lastTone() const { return m_lastTone; }
    TonePlayer &player() { return *m_player; }

    void FrequencySBChange();
    void KeyPicMouseDown(QPoint at);
    void KeyPicMouseUp();
    // The key shown held down, -1 for none.
    int heldKey() const { return m_heldKey; }

private:
    void showHeldKey(int key);
    int m_heldKey = -1;
    void drawWave();
    void playChosenNote();

    PaintBox *m_wavePic;
    PaintBox *m_keyPic;
    QSlider *m_frequency;
    QLabel *m_frequencyLabel;
    std::array<QSlider *, 5> m_amplitudes{};
    TonePlayer *m_player;
    QByteArray m_lastTone;
};

#pragma once

#include "shell/TopicPage.h"

class PaintBox;
class QLabel;
class QScrollBar;
class QSlider;

// The speed of sound measured with a microphone, a ruler and an oscilloscope.
class SndSpeedPage : public TopicPage
{
    Q_OBJECT
public:
    explicit SndSpeedPage(Session &session, QWidget *parent = nullptr);

    void UpdateSndSpeedCRO();

private:
    PaintBox *m_pic;
    PaintBox *m_zoom;
    QSlider *m_mic;
    QScrollBar *m_frequency;
    QScrollBar *m_gain;
    QScrollBar *m_shift;
    QLabel *m_frequencyLabel;
    QLabel *m_gainLabel;
};

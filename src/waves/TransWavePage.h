#pragma once

#include "shell/TopicPage.h"

class PaintBox;
class QCheckBox;
class QScrollBar;
class QSlider;
class RadioGroup;

// Transverse and longitudinal waves on a row of particles.
class TransWavePage : public TopicPage
{
    Q_OBJECT
public:
    explicit TransWavePage(Session &session, QWidget *parent = nullptr);

    void UpdateTransWave();
    void T16StartBtnClick();
    std::optional<AnimSpeed> speedSetting() const override { return AnimSpeed::Wave; }

private:
    PaintBox *m_pic;
    QScrollBar *m_phase;
    QSlider *m_amplitude;
    RadioGroup *m_waveType;
    QCheckBox *m_single;
};

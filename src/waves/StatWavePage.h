#pragma once

#include "shell/TopicPage.h"

class PaintBox;
class QLabel;
class QScrollBar;
class RadioGroup;

// Standing waves: two travelling waves and their sum.
class StatWavePage : public TopicPage
{
    Q_OBJECT
public:
    explicit StatWavePage(Session &session, QWidget *parent = nullptr);

    int harmonic() const;
    void UpdateStatwave();
    void RadioGroup1Click();
    void StartBtnClick();
    std::optional<AnimSpeed> speedSetting() const override { return AnimSpeed::StandingWave; }

private:
    PaintBox *m_travelling;
    PaintBox *m_sum;
    QLabel *m_frequency;
    QLabel *m_wavelength;
    RadioGroup *m_harmonics;
    QScrollBar *m_phase;
};

#pragma once

#include "shell/TopicPage.h"

class PaintBox;
class QLabel;
class QRadioButton;
class QScrollBar;
class QSlider;

// Ripple tank models: a single slit or a double slit.
class RipplePage : public TopicPage
{
    Q_OBJECT
public:
    explicit RipplePage(Session &session, QWidget *parent = nullptr);

    void drawFrame();
    void ssRBClick();
    void rpStartBtnClick();
    std::optional<AnimSpeed> speedSetting() const override;
    void rpResetBtnClick();

private:
    QLabel *m_label;
    QSlider *m_width;
    QSlider *m_separation;
    QRadioButton *m_single;
    QRadioButton *m_double;
    PaintBox *m_pic;
    QScrollBar *m_frame;
};

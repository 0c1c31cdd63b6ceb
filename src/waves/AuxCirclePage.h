#pragma once

#include "shell/TopicPage.h"

class PaintBox;
class QLabel;
class QScrollBar;

// Wave mathematics: the auxiliary circle and two sine curves.
class AuxCirclePage : public TopicPage
{
    Q_OBJECT
public:
    explicit AuxCirclePage(Session &session, QWidget *parent = nullptr);

    void startUp() override;
    void AuxCircleHsbChange();
    void AuxStartBtnClick();
    std::optional<AnimSpeed> speedSetting() const override { return AnimSpeed::AuxCircle; }

private:
    PaintBox *m_pic;
    QScrollBar *m_angle;
    QScrollBar *m_phase;
    QLabel *m_angleLabel;
    QLabel *m_phaseLabel;
};

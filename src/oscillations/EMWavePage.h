#pragma once

#include "oscillations/Wave3D.h"
#include "shell/TopicPage.h"

class PaintBox;
class QScrollBar;

// Electromagnetic waves in three dimensions.
class EMWavePage : public TopicPage
{
    Q_OBJECT
public:
    explicit EMWavePage(Session &session, QWidget *parent = nullptr);

    void startUp() override;
    void afterSelect() override;
    void EMWaveHsbChange();

private:
    PaintBox *m_pic;
    QScrollBar *m_phase;
    Wave3D::Drag m_drag;
};

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
    // `view` is the three-dimensional view state the two 3-D pages share.
    EMWavePage(Session &session, Wave3D::ViewState &view, QWidget *parent = nullptr);

    void startUp() override;
    void afterSelect() override;
    void EMWaveHsbChange();

private:
    Wave3D::ViewState &m_view;
    PaintBox *m_pic;
    QScrollBar *m_phase;
    Wave3D::Drag m_drag;
};

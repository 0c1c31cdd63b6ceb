#pragma once

#include "oscillations/Wave3D.h"
#include "shell/TopicPage.h"

class PaintBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Polarization: a polarizer and a turning analyser, and unpolarized light.
class PolarPage : public TopicPage
{
    Q_OBJECT
public:
    // `view` is the three-dimensional view state the two 3-D pages share.
    PolarPage(Session &session, Wave3D::ViewState &view, QWidget *parent = nullptr);

    void beforeSelect() override;
    int unpolarizedPhase() const { return m_phase; }
    // Where the unpolarized light's beam crosses the picture.
    QPoint unpolarizedCentre() const;

    void PolarHsbChange();
    void showUnpolarized();
    void PolarStartBtnClick();
    std::optional<AnimSpeed> speedSetting() const override { return AnimSpeed::Polarization; }
    bool showsAnimationMenu() const override;
    void PBackBtnClick();

Q_SIGNALS:
    // Each frame of the unpolarized-light animation (for tests and tools).
    void unpolarizedFrame(int phase, bool renewed);

private:
    Wave3D::ViewState &m_view;
    void drawPicture();

    QWidget *m_polarPanel;
    QWidget *m_nonPolarPanel;
    QScrollBar *m_rotation;
    QLabel *m_rotationLabel;
    QPushButton *m_start;
    QPushButton *m_stop;
    PaintBox *m_pic;
    Wave3D::Drag m_drag;
    // The unpolarized light's phase in degrees, kept between runs.
    int m_phase = 0;
};

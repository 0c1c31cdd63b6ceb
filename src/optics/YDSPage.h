#pragma once

#include "shell/TopicPage.h"

#include <QColor>

class PaintBox;
class QLabel;
class QMenu;
class QScrollBar;
class QSlider;
class QToolButton;

// Young's double slits: fringes on a screen, and the apparatus on a metre rule.
class YDSPage : public TopicPage
{
    Q_OBJECT
public:
    explicit YDSPage(Session &session, QWidget *parent = nullptr);

    QColor lightColour() const { return m_light; }
    int markerX() const { return m_markerX; }

    void DoColors(int tag);
    void YSlitSepHsbChange();
    void ScreenHsbChange();

private:
    void FringePicMouseDown(int x);
    void FringePicMouseMove(int x);
    void FringePicMouseUp();
    void markerLine(int x);

    QScrollBar *m_separation;
    QLabel *m_separationLabel;
    QToolButton *m_colorBtn;
    QMenu *m_colorMenu;
    QToolButton *m_zoomBtn;
    PaintBox *m_fringePic;
    PaintBox *m_ydsPic;
    PaintBox *m_zoomPic;
    QSlider *m_screen;
    QLabel *m_screenLabel;
    QString screenText() const;

    QColor m_light{255, 0, 0};
    bool m_dragging = false;
    int m_markerX = -1;
};

#pragma once

#include "shell/TopicPage.h"

class PaintBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

// Absorption of gamma rays: place the detector and an absorber, and count.
class GammaPage : public TopicPage
{
    Q_OBJECT
public:
    explicit GammaPage(Session &session, QWidget *parent = nullptr);

    int count() const { return m_count; }

    void GmtHsbChange(QObject *sender);
    void CountStartBtnClick();

    // Real time one counted second takes; the counter runs up through it.
    static constexpr int MillisecondsPerSecond = 50;

private:
    // The limits while a bar is dragged; `proposed` may be changed.
    void GmtHsbScroll(int &proposed);
    void AbsorberHsbScroll(int &proposed);
    void ThickHsbScroll(int &proposed);
    void drawBench();

    QScrollBar *m_gmt;
    QScrollBar *m_absorber;
    QScrollBar *m_thick;
    QLabel *m_thickLabel;
    QCheckBox *m_background;
    QPushButton *m_start;
    QPushButton *m_stop;
    QLabel *m_time;
    PaintBox *m_pic;
    PaintBox *m_zoom;
    int m_count = 0;
};

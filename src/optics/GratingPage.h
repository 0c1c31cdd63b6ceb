#pragma once

#include "shell/TopicPage.h"

class PaintBox;
class QLabel;
class QScrollBar;

// The diffraction grating spectrometer: plan view and the view through the telescope.
class GratingPage : public TopicPage
{
    Q_OBJECT
public:
    explicit GratingPage(Session &session, QWidget *parent = nullptr);

    void GratingHsbChange();

private:
    void drawPictures();

    PaintBox *m_specPic;
    PaintBox *m_gratingPic;
    QScrollBar *m_wavelength;
    QScrollBar *m_lines;
    QScrollBar *m_telescope;
    // The order whose line lies nearest the cross-wires.
    int nearestOrder() const;
    QLabel *m_linesLabel;
    QLabel *m_wavelengthLabel;
};

#include "oscillations/EMWavePage.h"

#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/PageControls.h"
#include "shell/Session.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

using namespace PageControls;

EMWavePage::EMWavePage(Session &session, Wave3D::ViewState &view, QWidget *parent)
    : TopicPage(session, 15, parent)
    , m_view(view)
{
    m_pic = paintBox(this, "EMWavePic", QRect(2, 2, 400, 400),
                     tr("Drag with left button to rotate; right button to pan."));
    m_pic->setCursor(Qt::PointingHandCursor);
    m_phase = scrollBar(this, "EMWaveHsb", 0, 2880, 1530, QRect(2, 406, 400, 17),
                        tr("move wave|Scroll to animate the wave motion."));
    // Under the wave's bar, wherever the screen's layout puts it.
    label(this, "EMWaveLabel", tr("move the wave along"), QRect(2, 425, 200, 16))->setBuddy(m_phase);
    m_phase->setSingleStep(5);
    m_phase->setPageStep(50);

    connect(m_pic, &PaintBox::paint, this, [this] { Wave3D::DrawEMWave(m_pic->canvas(), m_view, m_phase->value()); });
    connect(m_phase, &QScrollBar::valueChanged, this, &EMWavePage::EMWaveHsbChange);
    connect(m_pic, &PaintBox::mouseDown, this, [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
        m_drag.press(button, QPoint(x, y), m_view.em);
    });
    connect(m_pic, &PaintBox::mouseMove, this, [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
        if (m_drag.mode() == 0) {
            return;
        }
        const QPoint at = m_pic->confinePointer(QPoint(x, y));
        if (m_drag.move(at, m_view.em)) {
            EMWaveHsbChange();
        }
    });
    connect(m_pic, &PaintBox::mouseUp, this, [this] { m_drag.release(); });

    m_pic->setKeyHandler([this](const QKeyEvent &key) {
        if (key.type() != QEvent::KeyPress || !Wave3D::turnByKey(m_view.em, key.key())) {
            return false;
        }
        EMWaveHsbChange();
        return true;
    });
    ScreenReader::describe(m_pic, tr("electromagnetic wave in three dimensions"), [this] {
        const Wave3D::View &shown = m_view.em;
        return tr("The electric and magnetic fields oscillate in phase, at right angles to each other and to the "
                  "direction of travel. Wave position %1 of %2; the view is tilted %3 degrees and turned %4 degrees; "
                  "the arrow keys turn it.")
            .arg(m_phase->value())
            .arg(m_phase->maximum())
            .arg(shown.tilt)
            .arg(shown.turn);
    });
}

void EMWavePage::startUp()
{
    // On a small screen the pictures are 350 by 350.
    if (session().screenMode == 1) {
        Wave3D::InitView3D(m_view, 350, 350);
    }
}

void EMWavePage::afterSelect()
{
    Wave3D::ResetView3D(m_view, 1);
}

void EMWavePage::EMWaveHsbChange()
{
    Wave3D::DrawEMWave(m_pic->canvas(), m_view, m_phase->value() % 360);
}

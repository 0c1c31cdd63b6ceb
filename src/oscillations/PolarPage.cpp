#include "oscillations/PolarPage.h"

#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/AnimSpd.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"
#include "shell/Session.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

using namespace PageControls;

namespace {
const char *const DragHint = QT_TRANSLATE_NOOP("PolarPage", "Drag with left button to rotate; right button to pan.");
}

PolarPage::PolarPage(Session &session, Wave3D::ViewState &view, QWidget *parent)
    : TopicPage(session, 16, parent)
    , m_view(view)
{
    // The polarizer's controls and the unpolarized light's take turns in the
    // same strip at the top; the picture's panel lies below it.
    m_polarPanel = new QWidget(this);
    m_polarPanel->setObjectName(QStringLiteral("PolarPanel"));
    m_polarPanel->setGeometry(0, 0, 410, 44);
    m_rotation = scrollBar(m_polarPanel, "PolarHsb", 0, 360, 0, QRect(8, 22, 250, 17), tr("rotate polaroid"));
    m_rotationLabel = label(m_polarPanel, "RotPLabel", tr("rotation = 0"), QRect(8, 4, 200, 16));
    m_rotationLabel->setBuddy(m_rotation);
    QPushButton *unpolarized = button(
        m_polarPanel, "UnpolarizedBtn", tr("unpolarized light"), QRect(270, 8, 120, 28),
        tr("unpolarized light|Show unpolarized light, whose plane of polarization keeps changing"));

    m_nonPolarPanel = new QWidget(this);
    m_nonPolarPanel->setObjectName(QStringLiteral("NonPolarPanel"));
    m_nonPolarPanel->setGeometry(0, 0, 410, 44);
    QPushButton *back = button(m_nonPolarPanel, "PBackBtn", tr("back"), QRect(8, 8, 60, 28),
                               tr("return to polarization topic"));
    m_start = button(m_nonPolarPanel, "PolarStartBtn", tr("start"), QRect(74, 8, 60, 28), tr("start animation"));
    m_stop = button(m_nonPolarPanel, "PolarStopBtn", tr("stop"), QRect(140, 8, 60, 28), tr("stop animation"));
    m_stop->setEnabled(false);
    m_nonPolarPanel->hide();

    auto *lower = new QWidget(this);
    lower->setObjectName(QStringLiteral("PolarLowerPanel"));
    lower->setGeometry(0, 44, 416, 386);
    m_pic = paintBox(lower, "PolarPic", QRect(2, 2, 412, 382), tr(DragHint));
    m_pic->setCursor(Qt::PointingHandCursor);

    connect(m_pic, &PaintBox::paint, this, &PolarPage::drawPicture);
    connect(m_rotation, &QScrollBar::valueChanged, this, &PolarPage::PolarHsbChange);
    connect(unpolarized, &QPushButton::clicked, this, &PolarPage::showUnpolarized);
    connect(back, &QPushButton::clicked, this, &PolarPage::PBackBtnClick);
    connect(m_start, &QPushButton::clicked, this, &PolarPage::PolarStartBtnClick);
    setRunButtons(m_start, m_stop, true);
    // Dragging turns or moves the polarizer picture only.
    connect(m_pic, &PaintBox::mouseDown, this, [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
        if (m_polarPanel->isVisible()) {
            m_drag.press(button, QPoint(x, y), m_view.polar);
        }
    });
    connect(m_pic, &PaintBox::mouseMove, this, [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) {
        if (m_drag.mode() == 0 || !m_polarPanel->isVisible()) {
            return;
        }
        const QPoint at = m_pic->confinePointer(QPoint(x, y));
        if (m_drag.move(at, m_view.polar)) {
            Wave3D::DrawPolarizer(m_pic->canvas(), m_view, m_rotation->value());
        }
    });
    connect(m_pic, &PaintBox::mouseUp, this, [this] { m_drag.release(); });

    m_pic->setKeyHandler([this](const QKeyEvent &key) {
        if (key.type() != QEvent::KeyPress || m_polarPanel->isHidden() || !Wave3D::turnByKey(m_view.polar, key.key())) {
            return false;
        }
        Wave3D::DrawPolarizer(m_pic->canvas(), m_view, m_rotation->value());
        return true;
    });
    ScreenReader::describe(m_pic, tr("polarized light and a polaroid"), [this] {
        if (m_polarPanel->isHidden()) {
            return tr("Unpolarized light seen almost end-on: its plane of polarization keeps changing at random.");
        }
        // Malus's law: the field passes as cos(theta), the intensity as cos^2(theta).
        const double amplitude = Wave3D::transmittedAmplitude(m_rotation->value()) / 90;
        return tr("Plane-polarized light meets a polaroid turned %1 degrees from its plane; %2% of the field "
                  "amplitude and %3% of the intensity pass.")
            .arg(m_rotation->value())
            .arg(Gdi::formatF(100 * std::abs(amplitude), 0))
            .arg(Gdi::formatF(100 * amplitude * amplitude, 0));
    });
}

void PolarPage::beforeSelect()
{
    Wave3D::ResetView3D(m_view, 2);
    m_nonPolarPanel->hide();
    m_polarPanel->show();
    m_pic->setCursor(Qt::PointingHandCursor);
    Hints::setHint(m_pic, tr(DragHint));
}

QPoint PolarPage::unpolarizedCentre() const
{
    return {Gdi::mulDiv(m_pic->pictureWidth(), 3, 4), m_pic->pictureHeight() / 2};
}

void PolarPage::drawPicture()
{
    if (!m_polarPanel->isHidden()) {
        Wave3D::DrawPolarizer(m_pic->canvas(), m_view, m_rotation->value());
    } else {
        Wave3D::DrawUnpolarized(m_pic->canvas(), m_view, unpolarizedCentre(), m_phase);
    }
}

void PolarPage::PolarHsbChange()
{
    Wave3D::DrawPolarizer(m_pic->canvas(), m_view, m_rotation->value());
    m_rotationLabel->setText(tr("rotation = %1%2").arg(m_rotation->value()).arg(QChar(0x00BA)));
}

void PolarPage::showUnpolarized()
{
    m_polarPanel->hide();
    m_nonPolarPanel->show();
    m_pic->unsetCursor();
    Hints::setHint(m_pic, tr("Press start to see the plane of polarization change"));
    m_pic->invalidate();
}

void PolarPage::PolarStartBtnClick()
{
    auto &run = session();
    runStarted();
    FramePacer pacer(this);
    while (run.isAnimating()) {
        m_phase = (m_phase >= 360 ? 0 : m_phase) + 5;
        // Once a period the plane of polarization jumps to a new random angle.
        const bool renew = m_phase >= 360;
        if (renew) {
            Wave3D::RenewPlane(m_view, session().random);
        }
        // Each step is the whole picture drawn afresh from the phase and the
        // plane; it is drawn when it is shown (at most once per display
        // refresh) or read.
        m_pic->invalidate();
        Q_EMIT unpolarizedFrame(m_phase, renew);
        if (!pacer.endFrame(session().speed(AnimSpeed::Polarization))) {
            return;
        }
    }
    showStopped();
}

bool PolarPage::showsAnimationMenu() const
{
    // Only the unpolarized light animates.
    return m_nonPolarPanel->isVisible();
}

void PolarPage::PBackBtnClick()
{
    session().stopAnimations();
    m_polarPanel->show();
    m_nonPolarPanel->hide();
    Wave3D::ResetView3D(m_view, 2);
    Wave3D::DrawPolarizer(m_pic->canvas(), m_view, m_rotation->value());
    m_pic->setCursor(Qt::PointingHandCursor);
    Hints::setHint(m_pic, tr(DragHint));
}

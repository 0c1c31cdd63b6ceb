#include "optics/HydrogenPage.h"

#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "shell/AnimSpd.h"
#include "shell/Hints.h"
#include "shell/Session.h"

#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>

HydrogenPage::HydrogenPage(Session &session, QWidget *parent)
    : TopicPage(session, 13, parent)
{
    m_strip = new PaintBox(this);
    m_strip->setObjectName(QStringLiteral("SpecLinePic"));
    m_strip->setGeometry(2, 2, 350, 85);
    m_diagram = new PaintBox(this);
    m_diagram->setObjectName(QStringLiteral("HSpecPic"));
    m_diagram->setGeometry(2, 94, 350, 365);
    Hints::setHint(m_diagram, tr("Click on an arrow to show the transition"));
    m_start = new QPushButton(tr("animate"), this);
    m_start->setObjectName(QStringLiteral("SpecStartBtn"));
    m_start->setGeometry(362, 5, 60, 42);
    Hints::setHint(m_start, tr("animate transitions"));
    m_abort = new QPushButton(tr("stop"), this);
    m_abort->setObjectName(QStringLiteral("SpecAbort"));
    m_abort->setGeometry(362, 52, 60, 43);
    Hints::setHint(m_abort, tr("stop animation"));

    m_table = EmSpectra::transitionTable(session.screenMode);
    connect(m_diagram, &PaintBox::paint, this, [this] { drawDiagram(); });
    connect(m_strip, &PaintBox::paint, this, [this] {
        EmSpectra::DrawSpectrum(m_strip->canvas());
        // A repaint wipes the marker; the hovered arrow keeps its mark.
        if (m_hovered > 0) {
            toggleMarker(m_hovered);
        }
    });
    connect(m_diagram, &PaintBox::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int y) { HSpecPicMouseMove(x, y); });
    connect(m_diagram, &PaintBox::mouseDown, this, [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
        const int i = EmSpectra::hitTest(m_table, QPoint(x, y));
        if (i > 0) {
            runTransition(i);
        }
    });
    connect(m_start, &QPushButton::clicked, this, &HydrogenPage::SpecStartBtnClick);
    setRunButtons(m_start, m_abort, false);

    // From the keyboard: the arrows point at the transitions in turn and
    // Enter or the space bar shows the one pointed at.
    m_diagram->setKeyHandler([this](const QKeyEvent &key) {
        const int k = key.key();
        if (k == Qt::Key_Right || k == Qt::Key_Down || k == Qt::Key_Left || k == Qt::Key_Up) {
            if (key.type() == QEvent::KeyPress) {
                constexpr int n = EmSpectra::Transitions;
                const bool forward = k == Qt::Key_Right || k == Qt::Key_Down;
                if (m_hovered <= 0) {
                    setHovered(forward ? 1 : n);
                } else {
                    setHovered(forward ? m_hovered % n + 1 : (m_hovered + n - 2) % n + 1);
                }
            }
            return true;
        }
        if (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space) {
            if (key.type() == QEvent::KeyPress && m_hovered > 0) {
                runTransition(m_hovered);
            }
            return true;
        }
        return false;
    });

    // A picture's fixed text, then the transition pointed at (if any), with
    // its levels and the wavelength of its line.
    const auto withPointed = [this](const QString &text, const QString &pointed) {
        if (m_hovered <= 0) {
            return text;
        }
        const EmSpectra::Transition &t = m_table[std::size_t(m_hovered - 1)];
        return QString(text + QLatin1Char(' ')
                       + pointed.arg(tr("n = %1 to n = %2, %3 nm")
                                         .arg(t.upper)
                                         .arg(t.lower)
                                         .arg(Gdi::formatF(EmSpectra::photonWavelength(t.upper, t.lower), 0))));
    };
    ScreenReader::describe(m_strip, tr("hydrogen spectrum lines"), [withPointed] {
        return withPointed(tr("Twelve lines: the Lyman series in the ultraviolet, Balmer in the visible, Paschen in "
                              "the infrared."),
                           tr("Marked: %1."));
    });
    ScreenReader::describe(m_diagram, tr("energy levels of hydrogen"), [withPointed] {
        return withPointed(tr("Energy levels from n = 1 upwards, with arrows for the twelve transitions. The arrow "
                              "keys point at them in turn; Enter shows the one pointed at."),
                           tr("Pointed at: %1."));
    });
}

void HydrogenPage::startUp()
{
    // The diagram's height follows the screen mode chosen at start-up.
    m_table = EmSpectra::transitionTable(session().screenMode);
    m_diagram->invalidate();
}

void HydrogenPage::drawDiagram()
{
    EmSpectra::DrawDiagram(m_diagram->canvas(), session().screenMode, m_table, m_electron);
}

void HydrogenPage::placeElectron(std::optional<QPoint> electron)
{
    // Each frame is the whole diagram drawn afresh with the electron in its
    // place; it is drawn when it is shown (at most once per display refresh)
    // or read, so frames faster than the screen cost nothing.
    m_electron = electron;
    m_diagram->invalidate();
}

void HydrogenPage::toggleMarker(int transition)
{
    EmSpectra::ToggleMarker(m_strip->canvas(), transition);
}

void HydrogenPage::HSpecPicMouseMove(int x, int y)
{
    const int i = EmSpectra::hitTest(m_table, QPoint(x, y));
    m_diagram->setCursor(i > 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    setHovered(i);
}

void HydrogenPage::setHovered(int transition)
{
    if (transition == m_hovered) {
        return;
    }
    if (m_hovered > 0) {
        toggleMarker(m_hovered);
    }
    m_hovered = transition;
    if (transition > 0) {
        toggleMarker(transition);
    }
}

bool HydrogenPage::fall(int transition)
{
    const Gdi::Rect &arrow = m_table[std::size_t(transition - 1)].arrow;
    const int x = arrow.left;
    int y = arrow.top;
    // The long Lyman arrows are crossed 2 pixels a frame, the others 1.
    const int step = transition <= 4 ? 2 : 1;
    FramePacer pacer(this);
    do {
        placeElectron(QPoint(x, y));
        Q_EMIT electronDrawn(transition, x, y);
        y += step;
        if (!pacer.endFrame(session().speed(AnimSpeed::Spectrum))) {
            return false;
        }
        if (!session().isAnimating()) {
            placeElectron(std::nullopt);
            return false;
        }
    } while (y < arrow.bottom - 4);
    return true;
}

void HydrogenPage::runTransition(int transition)
{
    session().startAnimation();
    if (fall(transition)) {
        placeElectron(std::nullopt);
        session().stopAnimations();
    }
}

void HydrogenPage::SpecStartBtnClick()
{
    session().startAnimation();
    const QPointer<HydrogenPage> alive(this);
    for (int i = 1; i <= EmSpectra::Transitions; ++i) {
        if (i > 1) {
            toggleMarker(i - 1);
        }
        toggleMarker(i);
        if (!fall(i)) {
            if (alive) {
                toggleMarker(i);
            }
            return;
        }
    }
    toggleMarker(EmSpectra::Transitions);
    placeElectron(std::nullopt);
    session().stopAnimations();
}

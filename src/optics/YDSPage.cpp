#include "optics/YDSPage.h"

#include "gdi/GdiMath.h"
#include "gdi/PaintBox.h"
#include "gdi/ScreenReader.h"
#include "optics/YDSlit.h"
#include "shell/ButtonIcons.h"
#include "shell/Hints.h"
#include "shell/PageControls.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

namespace {

// A small swatch of a light colour for the colour menu and button.
QIcon swatch(const QColor &colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(colour);
    p.drawRect(1, 1, 13, 13);
    return {pixmap};
}

} // namespace

using namespace PageControls;

YDSPage::YDSPage(Session &session, QWidget *parent)
    : TopicPage(session, 1, parent)
{
    auto *panel1 = new QWidget(this);
    panel1->setObjectName(QStringLiteral("Panel1"));
    panel1->setGeometry(0, 0, 420, 45);
    auto *label1 = new QLabel(tr("slit separation"), panel1);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->move(8, 2);
    // Its text sits at the top of the label, clear of the bar below it.
    label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_separation = new QScrollBar(Qt::Horizontal, panel1);
    m_separation->setObjectName(QStringLiteral("YSlitSepHsb"));
    label1->setBuddy(m_separation);
    m_separation->setGeometry(8, 19, 131, 18);
    m_separation->setRange(10, 100);
    m_separation->setValue(50);
    Hints::setHint(m_separation, tr("set slit separation|Set the slit separation"));
    m_separationLabel = new QLabel(tr("%1 mm").arg(Gdi::formatF(0.5)), panel1);
    m_separationLabel->setObjectName(QStringLiteral("YSlitSepLabel"));
    m_separationLabel->setGeometry(142, 17, 55, 20);
    m_separationLabel->setAlignment(Qt::AlignCenter);
    m_separationLabel->setFrameShape(QFrame::Panel);
    m_separationLabel->setFrameShadow(QFrame::Sunken);
    m_separationLabel->setAutoFillBackground(true);
    QPalette white = m_separationLabel->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_separationLabel->setPalette(white);

    m_colorMenu = new QMenu(this);
    m_colorMenu->setObjectName(QStringLiteral("ColorPum"));
    for (const YDSlit::LightColour &c : YDSlit::lightColours()) {
        QAction *item = m_colorMenu->addAction(swatch(c.colour), QCoreApplication::translate("YDSlit", c.caption));
        item->setObjectName(QString::fromLatin1(c.caption) + QLatin1Char('1'));
        item->setData(c.tag);
        connect(item, &QAction::triggered, this, [this, item] { DoColors(item->data().toInt()); });
    }
    m_colorBtn = new QToolButton(panel1);
    m_colorBtn->setObjectName(QStringLiteral("ColorBtn"));
    m_colorBtn->setText(tr("colour"));
    m_colorBtn->setIcon(swatch(m_light));
    m_colorBtn->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_colorBtn->setAutoRaise(true);
    m_colorBtn->setPopupMode(QToolButton::InstantPopup);
    m_colorBtn->setMenu(m_colorMenu);
    m_colorBtn->setGeometry(215, 1, 42, 37);
    Hints::setHint(m_colorBtn, tr("light colour|Set the colour of the light"));
    m_zoomBtn = new QToolButton(panel1);
    m_zoomBtn->setObjectName(QStringLiteral("YDSZoomBtn"));
    m_zoomBtn->setText(tr("zoom"));
    m_zoomBtn->setIcon(ButtonIcons::icon(ButtonIcons::Kind::Magnifier));
    m_zoomBtn->setIconSize(QSize(16, 16));
    m_zoomBtn->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_zoomBtn->setAutoRaise(true);
    m_zoomBtn->setGeometry(262, 1, 42, 37);
    Hints::setHint(m_zoomBtn, tr("zoom|Magnify the ruler scale"));

    QFrame *panel4 = whitePanel(this, "Panel4", QRect(4, 48, 414, 74));
    m_fringePic = paintBox(panel4, "FringePic", QRect(2, 15, 410, 55));
    m_fringePic->setCursor(Qt::PointingHandCursor);
    Hints::setHint(m_fringePic, tr("Click and drag to show a marker"));
    auto *label3 = new QLabel(tr("(mm)"), panel4);
    label3->setObjectName(QStringLiteral("Label3"));
    QFont small(QStringLiteral("Arial"));
    small.setPixelSize(11);
    label3->setFont(small);
    // Only as tall as its text (14 pixels down to the picture at 15), so it
    // stands above the scale, not on it.
    label3->setGeometry(196, 1, 40, 14);

    QFrame *panel3 = whitePanel(this, "Panel3", QRect(2, 125, 414, 146));
    m_ydsPic = paintBox(panel3, "YDSpic", QRect(3, 5, 370, 133));
    m_zoomPic = paintBox(panel3, "YDSZoomPic", QRect(127, 5, 100, 60));
    m_zoomPic->hide();

    m_screen = new QSlider(Qt::Horizontal, this);
    m_screen->setObjectName(QStringLiteral("ScreenHsb"));
    m_screen->setGeometry(-2, 275, 269, 26);
    m_screen->setRange(0, 2500);
    m_screen->setValue(0);
    m_screen->setPageStep(100);
    m_screen->setTickPosition(QSlider::NoTicks);
    Hints::setHint(m_screen, tr("move screen|Move the position of the screen"));
    // The slit-to-screen distance D sets the fringe spacing w = lambda D / d.
    m_screenLabel = label(this, "ScreenLabel", screenText(), QRect(272, 280, 150, 16));
    m_screenLabel->setBuddy(m_screen);

    connect(m_fringePic, &PaintBox::paint, this, [this] {
        YDSlit::DrawFringes(m_fringePic->canvas(), m_light, m_screen->value(), m_separation->value());
        YDSlit::DrawFringeScale(m_fringePic->canvas());
    });
    connect(m_ydsPic, &PaintBox::paint, this, [this] {
        YDSlit::DrawMetreRule(m_ydsPic->canvas(), 0, 0);
        YDSlit::DrawApparatus(m_ydsPic->canvas(), 0, 33, m_light, m_screen->value());
    });
    connect(m_zoomPic, &PaintBox::paint, this,
            [this] { YDSlit::DrawZoomView(m_zoomPic->canvas(), m_screen->value()); });
    connect(m_separation, &QScrollBar::valueChanged, this, &YDSPage::YSlitSepHsbChange);
    connect(m_screen, &QSlider::valueChanged, this, &YDSPage::ScreenHsbChange);
    connect(m_zoomBtn, &QToolButton::pressed, m_zoomPic, &QWidget::show);
    connect(m_zoomBtn, &QToolButton::released, m_zoomPic, &QWidget::hide);
    connect(m_fringePic, &PaintBox::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int x, int) { FringePicMouseDown(x); });
    connect(m_fringePic, &PaintBox::mouseMove, this,
            [this](Qt::MouseButtons, Qt::KeyboardModifiers, int x, int) { FringePicMouseMove(x); });
    connect(m_fringePic, &PaintBox::mouseUp, this, [this] { FringePicMouseUp(); });

    // The screen stands 3 m minus its slider position (in mm) from the slits.
    const auto screenMetres = [this] { return Gdi::formatF((3000 - m_screen->value()) / 1000.0); };
    ScreenReader::describe(m_fringePic, tr("interference fringes on the screen"), [this, screenMetres] {
        const int wavelength = YDSlit::wavelengthOf(m_light);
        const int spacing = YDSlit::fringeSpacing(wavelength, m_screen->value(), m_separation->value());
        // The fringe view has 10 pixels per millimetre.
        return tr("Fringe spacing %1 mm: %2 nm light, slits %3 mm apart, screen %4 m from the slits.")
            .arg(Gdi::formatF(spacing / 10.0, 1))
            .arg(wavelength)
            .arg(Gdi::formatF(m_separation->value() / 100.0))
            .arg(screenMetres());
    });
    ScreenReader::describe(m_ydsPic, tr("double-slit apparatus on a metre rule"), [this, screenMetres] {
        return tr("Light of %1 nm passes a double slit; the screen is %2 m from the slits.")
            .arg(YDSlit::wavelengthOf(m_light))
            .arg(screenMetres());
    });
    ScreenReader::describe(m_zoomPic, tr("magnified ruler scale"), [this, screenMetres] {
        return tr("The screen is %1 m from the slits.").arg(screenMetres());
    });
}

void YDSPage::YSlitSepHsbChange()
{
    m_separationLabel->setText(tr("%1 mm").arg(Gdi::formatF(m_separation->value() / 100.0)));
    YDSlit::DrawFringes(m_fringePic->canvas(), m_light, m_screen->value(), m_separation->value());
}

QString YDSPage::screenText() const
{
    // The screen stands 3 m minus its slider position (in mm) from the slits.
    return tr("screen at D = %1 m").arg(Gdi::formatF((3000 - m_screen->value()) / 1000.0));
}

void YDSPage::ScreenHsbChange()
{
    m_screenLabel->setText(screenText());
    YDSlit::DrawApparatus(m_ydsPic->canvas(), 0, 33, m_light, m_screen->value());
    YDSlit::DrawFringes(m_fringePic->canvas(), m_light, m_screen->value(), m_separation->value());
}

void YDSPage::DoColors(int tag)
{
    const QColor next = YDSlit::colourForTag(tag, m_light);
    if (tag >= 1 && tag <= 6) {
        m_colorBtn->setIcon(swatch(next));
    }
    m_light = next;
    YDSlit::DrawApparatus(m_ydsPic->canvas(), 0, 33, m_light, m_screen->value());
    YDSlit::DrawFringes(m_fringePic->canvas(), m_light, m_screen->value(), m_separation->value());
}

// The marker is a green line drawn in XOR: drawing it again removes it.
void YDSPage::markerLine(int x)
{
    Gdi::Canvas &c = m_fringePic->canvas();
    c.moveTo(x, 0);
    c.lineTo(x, 55);
}

void YDSPage::FringePicMouseDown(int x)
{
    m_dragging = true;
    Gdi::Canvas &c = m_fringePic->canvas();
    c.pen.mode = Gdi::PenMode::Xor;
    c.pen.color = QColor(0, 128, 0);
    m_markerX = x;
    markerLine(x);
}

void YDSPage::FringePicMouseMove(int x)
{
    if (!m_dragging) {
        return;
    }
    markerLine(m_markerX);
    m_markerX = x;
    markerLine(x);
}

void YDSPage::FringePicMouseUp()
{
    if (!m_dragging) {
        return;
    }
    m_dragging = false;
    markerLine(m_markerX);
    m_fringePic->canvas().pen.mode = Gdi::PenMode::Copy;
    m_markerX = -1;
}

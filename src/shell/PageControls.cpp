#include "shell/PageControls.h"

#include "gdi/PaintBox.h"
#include "shell/ButtonIcons.h"
#include "shell/Hints.h"

#include <QButtonGroup>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace PageControls {

namespace {

template<typename W>
W *place(W *widget, const char *name, QRect at, const QString &hint)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(at);
    if (!hint.isEmpty()) {
        Hints::setHint(widget, hint);
    }
    return widget;
}

} // namespace

QScrollBar *scrollBar(QWidget *parent, const char *name, int min, int max, int value, QRect at, const QString &hint)
{
    auto *bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setPageStep(std::max(1, (max - min) / 10));
    return place(bar, name, at, hint);
}

QSlider *trackBar(QWidget *parent, const char *name, int min, int max, int value, QRect at, int tickInterval,
                  const QString &hint)
{
    auto *bar = new QSlider(Qt::Horizontal, parent);
    bar->setRange(min, max);
    bar->setValue(value);
    bar->setPageStep(std::max(1, (max - min) / 10));
    if (tickInterval > 0) {
        bar->setTickInterval(tickInterval);
        bar->setTickPosition(QSlider::TicksBelow);
    }
    return place(bar, name, at, hint);
}

QLabel *label(QWidget *parent, const char *name, const QString &text, QRect at)
{
    return place(new QLabel(text, parent), name, at, {});
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect at, const QString &hint)
{
    return place(new QPushButton(caption, parent), name, at, hint);
}

QToolButton *flatButton(QWidget *parent, const char *name, const QString &caption, QRect at, const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setText(caption);
    b->setAutoRaise(true);
    place(b, name, at, hint);
    // A flat button shows a frame only under the mouse; its picture says at
    // rest that it is a button. Tall buttons carry it above the caption,
    // short ones beside it.
    if (const auto kind = ButtonIcons::forButton(b->objectName())) {
        b->setIcon(ButtonIcons::icon(*kind));
        const bool tall = at.height() >= 36;
        b->setToolButtonStyle(tall ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonTextBesideIcon);
        b->setIconSize(tall ? QSize(16, 16) : QSize(10, 10));
    }
    return b;
}

PaintBox *paintBox(QWidget *parent, const char *name, QRect at, const QString &hint)
{
    return place(new PaintBox(parent), name, at, hint);
}

QFrame *whitePanel(QWidget *parent, const char *name, QRect at)
{
    auto *panel = new QFrame(parent);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    panel->setPalette(pal);
    panel->setAutoFillBackground(true);
    return place(panel, name, at, {});
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption, int tag)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setData(tag);
    return action;
}

} // namespace PageControls

RadioGroup::RadioGroup(QWidget *parent, const char *name, const QString &caption, const QStringList &items,
                       int selected)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this))
{
    setObjectName(QString::fromLatin1(name));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto *radio = new QRadioButton(items[i], this);
        radio->setChecked(i == selected);
        radio->setAccessibleDescription(tr("%1: choice %2 of %3").arg(caption.trimmed()).arg(i + 1).arg(items.size()));
        layout->addWidget(radio);
        m_buttons->addButton(radio, i);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

QRadioButton *RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(m_buttons->button(index));
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *radio = m_buttons->button(index); radio && index != itemIndex()) {
        radio->setChecked(true);
        Q_EMIT clicked(index);
    }
}

#include "shell/AnimSpd.h"

#include "shell/FormFont.h"

#include <QAbstractSlider>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

#include <algorithm>

bool waitInEventLoop(int milliseconds, QObject *context)
{
    const QPointer<QObject> guard(context);
    QEventLoop wait;
    QTimer::singleShot(std::max(0, milliseconds), Qt::PreciseTimer, &wait, &QEventLoop::quit);
    wait.exec();
    return !guard.isNull();
}

FramePacer::FramePacer(QObject *context)
    : m_context(context)
{
    m_clock.start();
}

int FramePacer::periodMicroseconds(int speed)
{
    return std::max(4000, 400 * std::clamp(speed, 0, 100));
}

bool FramePacer::endFrame(int speed)
{
    const qint64 remaining = periodMicroseconds(speed) - m_clock.nsecsElapsed() / 1000;
    // Timers count whole milliseconds; a remainder under one still waits one.
    if (remaining > 0 && !waitInEventLoop(int(std::max<qint64>(1, remaining / 1000)), m_context)) {
        return false;
    }
    // The next frame starts now: the events handled below (a picture drawn
    // for the screen among them) count towards its period, so a frame lasts
    // the same whether a step draws at once or when it is shown.
    m_clock.restart();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return !m_context.isNull();
}

void animateSlider(Session &session, QAbstractSlider *slider, const std::function<int()> &speed, bool waitFirst)
{
    session.startAnimation();
    FramePacer pacer(slider);
    int position = slider->value();
    while (session.isAnimating()) {
        position = position + 1 > slider->maximum() ? slider->minimum() : position + 1;
        if (waitFirst) {
            if (!pacer.endFrame(speed())) {
                return;
            }
            slider->setValue(position);
            QCoreApplication::processEvents();
        } else {
            slider->setValue(position);
            if (!pacer.endFrame(speed())) {
                return;
            }
        }
    }
}

TAnimSpdFrm::TAnimSpdFrm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AnimSpdFrm"));
    setWindowTitle(tr("Set animation speed"));
    setFixedSize(278, 187);
    setFormFont(this);

    auto *slow = new QLabel(tr("slow"), this);
    slow->setObjectName(QStringLiteral("Label1"));
    slow->setGeometry(16, 28, 60, 16);
    auto *fast = new QLabel(tr("fast"), this);
    fast->setObjectName(QStringLiteral("Label2"));
    fast->setAlignment(Qt::AlignRight);
    fast->setGeometry(202, 28, 60, 16);

    m_bar = new QSlider(Qt::Horizontal, this);
    m_bar->setObjectName(QStringLiteral("AnimSpdHsb"));
    m_bar->setRange(0, 100);
    m_bar->setTickInterval(10);
    m_bar->setTickPosition(QSlider::TicksBelow);
    m_bar->setPageStep(10);
    m_bar->setValue(50);
    m_bar->setGeometry(16, 48, 246, 40);
    m_bar->setAccessibleName(tr("animation speed"));
    m_bar->setAccessibleDescription(tr("From slow on the left to fast on the right"));

    auto *apply = new QPushButton(tr("apply"), this);
    apply->setObjectName(QStringLiteral("SpeedButton1"));
    apply->setDefault(true);
    apply->setGeometry(48, 130, 80, 30);
    auto *cancel = new QPushButton(tr("cancel"), this);
    cancel->setObjectName(QStringLiteral("SpeedButton2"));
    cancel->setGeometry(150, 130, 80, 30);
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TAnimSpdFrm::setSpeed(int speed)
{
    m_bar->setValue(100 - speed);
}

int TAnimSpdFrm::speed() const
{
    return 100 - m_bar->value();
}

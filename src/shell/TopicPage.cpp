#include "shell/TopicPage.h"

#include <QAbstractButton>

TopicPage::TopicPage(Session &session, int topic, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_topic(topic)
{ }

bool TopicPage::printChart(QPrinter &, QString *)
{
    return true;
}

void TopicPage::setRunButtons(QAbstractButton *start, QAbstractButton *stop, bool toggle)
{
    m_startButton = start;
    m_stopButton = stop;
    m_toggleRunButtons = toggle;
    connect(stop, &QAbstractButton::clicked, this, [this] {
        m_session.stopAnimations();
        stopped();
    });
}

void TopicPage::runStarted()
{
    m_session.startAnimation();
    if (m_toggleRunButtons) {
        m_startButton->setEnabled(false);
        m_stopButton->setEnabled(true);
    }
}

void TopicPage::showStopped()
{
    if (m_toggleRunButtons) {
        m_startButton->setEnabled(true);
        m_stopButton->setEnabled(false);
    }
}

#include "shell/TopicPage.h"

#include "app/TopicCatalogue.h"

TopicPage::TopicPage(Session &session, int topic, QWidget *parent)
    : QWidget(parent)
    , m_session(session)
    , m_topic(topic)
{
    setObjectName(QString::fromLatin1(Topics::info(topic).page));
}

bool TopicPage::printChart(QPrinter &, QString *)
{
    return true;
}

#include "TopicPages.h"

#include "TopicPage.h"

TopicPage *createTopicPage(Session &session, int topic, QWidget *parent)
{
    return new TopicPage(session, topic, parent);
}

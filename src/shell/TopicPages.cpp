#include "TopicPages.h"

#include "TopicPage.h"
#include "oscillations/SHMPage.h"

TopicPage *createTopicPage(Session &session, int topic, QWidget *parent)
{
    switch (topic) {
    case 9:
        return new SHMPage(session, parent);
    default:
        return new TopicPage(session, topic, parent);
    }
}

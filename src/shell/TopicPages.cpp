#include "TopicPages.h"

#include "TopicPage.h"
#include "oscillations/GammaPage.h"
#include "oscillations/SHMPage.h"

TopicPage *createTopicPage(Session &session, int topic, QWidget *parent)
{
    switch (topic) {
    case 9:
        return new SHMPage(session, parent);
    case 10:
        return new GammaPage(session, parent);
    default:
        return new TopicPage(session, topic, parent);
    }
}

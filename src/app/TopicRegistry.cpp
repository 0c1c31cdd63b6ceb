#include "app/TopicRegistry.h"

#include "optics/DifPage.h"
#include "optics/GratingPage.h"
#include "optics/HydrogenPage.h"
#include "optics/RipplePage.h"
#include "optics/YDSPage.h"
#include "oscillations/EMWavePage.h"
#include "oscillations/GammaPage.h"
#include "oscillations/PolarPage.h"
#include "oscillations/ResonancePage.h"
#include "oscillations/SHMPage.h"
#include "shell/TopicPage.h"
#include "waves/AuxCirclePage.h"
#include "waves/SndSpeedPage.h"
#include "waves/SoundPage.h"
#include "waves/StatWavePage.h"
#include "waves/SumWavePage.h"
#include "waves/TransWavePage.h"

#include <QScrollBar>

namespace {

TopicPage *newTopicPage(Session &session, int topic, QWidget *parent)
{
    switch (topic) {
    case 1:
        return new YDSPage(session, parent);
    case 2:
        return new DifPage(session, parent);
    case 3:
        return new GratingPage(session, parent);
    case 4:
        return new TransWavePage(session, parent);
    case 5:
        return new SoundPage(session, parent);
    case 6:
        return new StatWavePage(session, parent);
    case 7:
        return new SndSpeedPage(session, parent);
    case 8:
        return new SumWavePage(session, parent);
    case 11:
        return new AuxCirclePage(session, parent);
    case 12:
        return new RipplePage(session, parent);
    case 13:
        return new HydrogenPage(session, parent);
    case 14:
        return new ResonancePage(session, parent);
    case 15:
        return new EMWavePage(session, parent);
    case 16:
        return new PolarPage(session, parent);
    case 9:
        return new SHMPage(session, parent);
    case 10:
        return new GammaPage(session, parent);
    default:
        return new TopicPage(session, topic, parent);
    }
}

} // namespace

TopicPage *createTopicPage(Session &session, int topic, QWidget *parent)
{
    TopicPage *page = newTopicPage(session, topic, parent);
    // The pages' scroll bars are controls in their own right, as on the
    // original desktop: each takes the focus from Tab and a click, and then
    // answers the arrow and page keys.
    for (QScrollBar *bar : page->findChildren<QScrollBar *>()) {
        bar->setFocusPolicy(Qt::StrongFocus);
    }
    return page;
}

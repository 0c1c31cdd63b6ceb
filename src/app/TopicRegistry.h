#pragma once

#include "oscillations/Wave3D.h"

#include <QString>

#include <array>

class QWidget;
class Session;
class TopicPage;

// The sixteen topics, one row each: the Topics menu item, the page and how it
// is built, the window caption, the text page, the width of the page area
// while it is shown and the help context. Topic 0 is the start page.
namespace Topics {

constexpr int Count = 16;

// What pages may share beyond the session: the three-dimensional view of the
// electromagnetic-wave and polarization topics.
struct SharedState
{
    Wave3D::ViewState view3D;
};

using PageFactory = TopicPage *(*)(Session &session, SharedState &shared, QWidget *parent);

struct TopicInfo
{
    int topic;
    const char *menuItem; // objectName of the Topics menu item
    const char *menuCaption; // untranslated; use menuCaption(topic)
    const char *page; // objectName of the page
    const char *caption; // untranslated; use caption(topic)
    const char *textPage; // file in the HTML folder, matched without regard to case
    int width; // start width of the page area in pixels
    int helpContext; // help context number for F1
    const char *firstHint; // untranslated; use firstHint(topic)
    PageFactory create;
};

const std::array<TopicInfo, Count> &table();

// The order of the Topics menu.
constexpr std::array<int, Count> MenuOrder{10, 9, 3, 15, 14, 13, 2, 16, 12, 4, 5, 7, 6, 8, 1, 11};

// The topics whose pages are built during start-up, just after the window
// first appears, because start-up fills them (the multi-slit chart, the
// superposition sum, the damped-SHM graph and the wave-mathematics and
// resonance labels); the others are built when first shown.
constexpr std::array<int, 5> BuiltAtStart{2, 8, 9, 11, 14};

bool isTopic(int topic);
const TopicInfo &info(int topic); // topic must be 1..16

QString menuCaption(int topic);
// Window caption; topic 0 is "Waves". Empty for a value outside 0..16.
QString caption(int topic);
QString topicPage(int topic);
// What to try first on a topic, shown in the status bar when it opens.
QString firstHint(int topic);

// The topic whose text page the URL names, else `currentTopic`. Only the file
// name counts (after the last '/', '\\' or ':'), without regard to letter case
// and without any "#anchor".
int pageTopic(const QString &url, int currentTopic);

// Start widths of the page area, entry t-1 for topic t.
std::array<int, Count> initTopicWidths();

// Help context number for F1 on a topic; 0 for the start page (the help
// contents are shown instead).
int helpContext(int topic);

// Builds a topic's page, named, with its scroll bars taking the focus.
TopicPage *createPage(int topic, Session &session, SharedState &shared, QWidget *parent);

} // namespace Topics

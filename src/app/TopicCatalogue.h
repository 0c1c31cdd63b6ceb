#pragma once

#include <QString>

#include <array>

// The sixteen topics: for each, its Topics menu item, page, window caption,
// text page and the width of the page area while it is shown. Topic 0 is the
// start page.
namespace Topics {

constexpr int Count = 16;

struct TopicInfo
{
    int topic;
    const char *menuItem; // objectName of the Topics menu item
    const char *menuCaption; // untranslated; use menuCaption(topic)
    const char *page; // objectName of the page
    const char *caption; // untranslated; use caption(topic)
    const char *textPage; // file in the HTML folder, matched without regard to case
    int width; // start width of the page area in pixels
};

const std::array<TopicInfo, Count> &table();

// The order of the Topics menu.
constexpr std::array<int, Count> MenuOrder{10, 9, 3, 15, 14, 13, 2, 16, 12, 4, 5, 7, 6, 8, 1, 11};

bool isTopic(int topic);
const TopicInfo &info(int topic); // topic must be 1..16

QString menuCaption(int topic);
// Window caption; topic 0 is "Waves". Empty for a value outside 0..16.
QString caption(int topic);
QString topicPage(int topic);

// The topic whose text page the URL names, else `currentTopic`. Only the file
// name counts (after the last '/', '\\' or ':'), without regard to letter case
// and without any "#anchor".
int pageTopic(const QString &url, int currentTopic);

// Start widths of the page area, entry t-1 for topic t.
std::array<int, Count> initTopicWidths();

// Help context number for F1 on a topic; 0 for the start page (the help
// contents are shown instead).
int helpContext(int topic);

// Whether the Animation menu is shown: only on topics that animate at a set
// speed, and on the polarization topic while its unpolarized-light view is up.
bool animationMenuVisible(int topic, bool nonPolarPanelVisible);

} // namespace Topics

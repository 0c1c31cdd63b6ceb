#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <span>

class QWidget;

// The screen the window is laid out for: its full size and its work area (the
// screen less task bars and panels).
struct ScreenInfo
{
    QSize screen;
    QRect workArea;
};

// Where the main window goes and how wide the page area starts.
struct ScreenArrangement
{
    int screenMode = 2; // 1 on screens at most 640 pixels wide, else 2
    bool maximised = false;
    QRect bounds; // the window's rectangle (the work area when maximised)
    int mainPCWidth = 460;
};

// Mode 1 at widths up to 640: maximised, page area 330. Otherwise the window
// fills a work area up to 800 wide, or is an 800 by 600 window centred on the
// screen; page area 460.
ScreenArrangement arrangeForScreen(const ScreenInfo &screen);

// Sizes of topic controls that depend on the screen mode. Each field that is
// set replaces that coordinate; the others stay as the page laid them out.
struct ControlGeometry
{
    const char *name;
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    // When set, left and top are taken relative to this control's position:
    // top = that control's top + `top`, left = its left + `left`.
    const char *relativeTo = nullptr;
};

std::span<const ControlGeometry> topicControlGeometry(int screenMode);

// Applies the table to whichever of those controls exist below `root`, in table
// order, so a control placed relative to another sees the other's new place.
void applyTopicControlSizes(QWidget *root, int screenMode);

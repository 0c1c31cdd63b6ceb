#include "shell/ScreenLayout.h"

#include <QWidget>

#include <array>

ScreenArrangement arrangeForScreen(const ScreenInfo &screen)
{
    ScreenArrangement result;
    if (screen.screen.width() <= 640) {
        result.screenMode = 1;
        result.maximised = true;
        result.bounds = screen.workArea;
        result.mainPCWidth = 330;
        return result;
    }
    result.screenMode = 2;
    QRect area = screen.workArea;
    if (area.width() > 800) {
        // C++ division truncates toward zero, as the layout rule wants.
        area = QRect(screen.screen.width() / 2 - 400, screen.screen.height() / 2 - 300, 800, 600);
    }
    result.bounds = area;
    result.mainPCWidth = 460;
    return result;
}

namespace {

const std::array<ControlGeometry, 8> SmallScreen{{
    {"GratingPic", {}, {}, 250, 250},
    {"GratingHsb", 0, 255, 250, {}, "GratingPic"},
    {"TelescopeLabel", 254, 256, {}, {}, "GratingPic"},
    {"HSpecPic", {}, {}, {}, 280},
    {"EMWavePic", 2, 2, 350, 350},
    {"EMWaveHsb", 2, 360, 350, 14},
    {"EMWaveLabel", 2, 376, {}, {}},
    {"PolarPic", {}, {}, 350, 350},
}};

const std::array<ControlGeometry, 4> NormalScreen{{
    {"GratingPic", {}, {}, 300, 300},
    {"GratingHsb", 0, 305, 300, {}, "GratingPic"},
    {"TelescopeLabel", 304, 306, {}, {}, "GratingPic"},
    {"HSpecPic", {}, {}, {}, 365},
}};

} // namespace

std::span<const ControlGeometry> topicControlGeometry(int screenMode)
{
    if (screenMode == 1) {
        return SmallScreen;
    }
    return NormalScreen;
}

void applyTopicControlSizes(QWidget *root, int screenMode)
{
    for (const ControlGeometry &g : topicControlGeometry(screenMode)) {
        auto *control = root->findChild<QWidget *>(QString::fromLatin1(g.name));
        if (!control) {
            continue;
        }
        QRect r = control->geometry();
        QPoint origin(0, 0);
        if (g.relativeTo) {
            if (auto *anchor = root->findChild<QWidget *>(QString::fromLatin1(g.relativeTo))) {
                origin = anchor->pos();
            }
        }
        if (g.left) {
            r.moveLeft(origin.x() + *g.left);
        }
        if (g.top) {
            r.moveTop(origin.y() + *g.top);
        }
        if (g.width) {
            r.setWidth(*g.width);
        }
        if (g.height) {
            r.setHeight(*g.height);
        }
        control->setGeometry(r);
    }
}

#pragma once

#include <QIcon>

#include <QStringView>

#include <optional>

// Pictures for the text pane's button bar and the pages' flat buttons, drawn
// so they look the same on every desktop.
namespace ButtonIcons {
enum class Kind {
    Index,
    Forward,
    Back,
    Copy,
    Font,
    Print,
    // The pages' flat buttons.
    Play,
    Stop,
    Reset,
    Magnifier,
    Restore,
    Add,
    Clear,
    Series,
    Record
};
QIcon icon(Kind kind);
// The picture a page's flat button carries, known by its name's ending
// ("...StartBtn" plays, "...StopBtn" stops, ...); none for other buttons.
std::optional<Kind> forButton(QStringView objectName);
} // namespace ButtonIcons

#pragma once

#include <QIcon>

// Pictures for the text pane's button bar, drawn so they look the same on
// every desktop.
namespace ButtonIcons {
enum class Kind { Index, Forward, Back, Copy, Font, Print };
QIcon icon(Kind kind);
} // namespace ButtonIcons

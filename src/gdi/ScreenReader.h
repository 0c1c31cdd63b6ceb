#pragma once

#include <QString>

#include <functional>

class QWidget;

// What a screen reader hears of the pictures and charts. A picture has a
// fixed accessible name ("double-slit fringes") and a description computed
// at the moment the screen reader asks, so it always tells the current state
// ("fringe spacing 2.4 mm").
namespace ScreenReader {

// Makes `widget` a picture for screen readers; called first thing in the
// constructor of a picture class, before anything asks about the widget.
void markAsPicture(QWidget *widget);

// Names a picture and gives it a description computed on request.
void describe(QWidget *widget, const QString &name, std::function<QString()> description);

} // namespace ScreenReader

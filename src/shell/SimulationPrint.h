#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;
class TopicPage;

// File > "Print simulation": one sheet with the topic's title and the date,
// the page as it stands on screen (pictures drawn at the printer's resolution,
// charts rendered for it), and the value of every control in words.
namespace SimulationPrint {

// The page's controls in reading order (top to bottom, left to right) as
// "caption: value" lines: labels as they read, check boxes and radio buttons
// on or off, sliders and scroll bars with their names and positions.
QStringList controlValues(const QWidget &page);

// False, with a message, when the printer cannot start.
bool print(QPrinter &printer, TopicPage &page, const QString &title, QString *error);

} // namespace SimulationPrint

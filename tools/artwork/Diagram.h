#pragma once
// The diagrams of the teaching pages. Each is drawn in its own pixels, on
// white, by a function of a painter; the artwork tool writes it at the size
// the page shows it (images/NAME.png) and twice as large for the magnified
// view (images/NAME-large.png), so that neither is ever scaled up.
//
// A diagram registers itself in its topic's file:
//     const bool registered = addDiagram({"nodes", {320, 200}, standingNodes});

#include <QHash>
#include <QPainter>
#include <QPointF>
#include <QSet>
#include <QSize>
#include <QString>

#include <numbers>
#include <vector>

struct Diagram
{
    const char *name; // the file's name without ".png"
    QSize size; // in the page's pixels
    void (*draw)(QPainter &p);
};

bool addDiagram(const Diagram &diagram);
const std::vector<Diagram> &allDiagrams();
// Writes NAME.png and NAME-large.png into `imagesDir`; false with a message
// on standard error when a file cannot be written. Labels are drawn in the
// language of the dictionary in use.
bool writeDiagram(const Diagram &diagram, const QString &imagesDir);

// Drawing helpers shared by the diagrams.
namespace Art {

constexpr double Pi = std::numbers::pi;

// The words of a label in the language being drawn: the English text, or its
// translation from the dictionary in use (see setDictionary). Measure a
// label's width on these words, as label() draws them.
QString words(const QString &text);
// Labels drawn from now on are looked up in `dictionary` (English to the
// language; texts not in it stay English); null for English. A key
// "DIAGRAM|text" comes before "text", for a word that two diagrams use in
// different senses ("light"). Every text looked up is added to `seen` when it
// is given.
void setDictionary(const QHash<QString, QString> *dictionary, QSet<QString> *seen = nullptr);
// The diagram being drawn, for the dictionary's "DIAGRAM|text" keys.
void setDiagram(const char *name);

// Text in Arial at a height in pixels, its baseline's left end at `at`.
void label(QPainter &p, QPointF at, const QString &text, int size = 13, bool bold = false);
// Text centred on `at` horizontally, its baseline at `at`'s height.
void centredLabel(QPainter &p, QPointF at, const QString &text, int size = 13, bool bold = false);
// Text turned to read upwards, centred on `at`, for a vertical axis title.
void upwardLabel(QPainter &p, QPointF at, const QString &text, int size = 12, bool bold = false);
// Text whose right end is at `at`'s x, its baseline at `at`'s y (tick labels).
void rightLabel(QPainter &p, QPointF at, const QString &text, int size = 12);
// A line from a to b with a filled arrow head at b, in the pen's colour.
void arrowLine(QPainter &p, QPointF a, QPointF b);
// Arrow heads at both ends, for a marked distance.
void doubleArrow(QPainter &p, QPointF a, QPointF b);

} // namespace Art

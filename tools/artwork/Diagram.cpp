#include "Diagram.h"

#include <QImage>
#include <QPolygonF>

#include <cmath>
#include <cstdio>

namespace {

std::vector<Diagram> &registry()
{
    static std::vector<Diagram> diagrams;
    return diagrams;
}

} // namespace

bool addDiagram(const Diagram &diagram)
{
    registry().push_back(diagram);
    return true;
}

const std::vector<Diagram> &allDiagrams()
{
    return registry();
}

bool writeDiagram(const Diagram &diagram, const QString &imagesDir)
{
    Art::setDiagram(diagram.name);
    bool ok = true;
    for (const int scale : {1, 2}) {
        QImage image(diagram.size * scale, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setRenderHint(QPainter::Antialiasing);
            p.setRenderHint(QPainter::TextAntialiasing);
            p.scale(scale, scale);
            p.setPen(Qt::black);
            diagram.draw(p);
        }
        const QString path = QStringLiteral("%1/%2%3.png")
                                 .arg(imagesDir, QString::fromLatin1(diagram.name),
                                      scale == 1 ? QString() : QStringLiteral("-large"));
        if (image.save(path, "PNG")) {
            std::printf("wrote %s\n", qPrintable(path));
        } else {
            std::fprintf(stderr, "corvane-artwork: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

namespace Art {

namespace {

const QHash<QString, QString> *currentDictionary = nullptr;
QSet<QString> *seenTexts = nullptr;
QString diagramName;

void setFont(QPainter &p, int size, bool bold)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(size);
    f.setBold(bold);
    p.setFont(f);
}

} // namespace

QString words(const QString &text)
{
    if (seenTexts) {
        seenTexts->insert(text);
    }
    if (!currentDictionary) {
        return text;
    }
    const auto own = currentDictionary->constFind(diagramName + QLatin1Char('|') + text);
    return own != currentDictionary->cend() ? *own : currentDictionary->value(text, text);
}

void setDiagram(const char *name)
{
    diagramName = QString::fromLatin1(name);
}

void setDictionary(const QHash<QString, QString> *dictionary, QSet<QString> *seen)
{
    currentDictionary = dictionary;
    seenTexts = seen;
}

void label(QPainter &p, QPointF at, const QString &text, int size, bool bold)
{
    setFont(p, size, bold);
    p.drawText(at, words(text));
}

void centredLabel(QPainter &p, QPointF at, const QString &text, int size, bool bold)
{
    setFont(p, size, bold);
    const QString shown = words(text);
    p.drawText(at - QPointF(p.fontMetrics().horizontalAdvance(shown) / 2.0, 0), shown);
}

void upwardLabel(QPainter &p, QPointF at, const QString &text, int size, bool bold)
{
    p.save();
    p.translate(at);
    p.rotate(-90);
    centredLabel(p, QPointF(0, 0), text, size, bold);
    p.restore();
}

void rightLabel(QPainter &p, QPointF at, const QString &text, int size)
{
    setFont(p, size, false);
    const QString shown = words(text);
    p.drawText(at - QPointF(p.fontMetrics().horizontalAdvance(shown), 0), shown);
}

void arrowLine(QPainter &p, QPointF a, QPointF b)
{
    p.drawLine(a, b);
    const QPointF d = (b - a) / std::hypot(b.x() - a.x(), b.y() - a.y());
    const QPointF n(-d.y(), d.x());
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{b, b - 8 * d + 4 * n, b - 8 * d - 4 * n});
    p.restore();
}

void doubleArrow(QPainter &p, QPointF a, QPointF b)
{
    const QPointF middle = (a + b) / 2;
    arrowLine(p, middle, a);
    arrowLine(p, middle, b);
}

} // namespace Art

#include "gdi/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ScreenReader {

namespace {

QString objectNameOfDescriber()
{
    return QStringLiteral("qt_screenreader_describer");
}

// Carries a widget's description function; a child object, so it lives and
// dies with the widget.
class Describer : public QObject
{
public:
    Describer(QWidget *widget, std::function<QString()> describe)
        : QObject(widget)
        , m_describe(std::move(describe))
    {
        setObjectName(objectNameOfDescriber());
    }
    QString text() const { return m_describe ? m_describe() : QString(); }

private:
    std::function<QString()> m_describe;
};

Describer *describerOf(const QObject *object)
{
    // Found by name: the class has no meta-object of its own to be found by.
    QObject *child = object ? object->findChild<QObject *>(objectNameOfDescriber(), Qt::FindDirectChildrenOnly)
                            : nullptr;
    return static_cast<Describer *>(child);
}

// A picture: its name, and its state computed when asked.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(QWidget *widget)
        : QAccessibleWidget(widget, QAccessible::Graphic)
    { }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Description) {
            if (const Describer *describer = describerOf(widget())) {
                return describer->text();
            }
        }
        return QAccessibleWidget::text(t);
    }
};

constexpr const char *PictureProperty = "screenReaderPicture";

QAccessibleInterface *pictureFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && widget->property(PictureProperty).toBool()) {
        return new PictureAccessible(widget);
    }
    return nullptr;
}

} // namespace

void markAsPicture(QWidget *widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(pictureFactory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(PictureProperty, true);
}

void describe(QWidget *widget, const QString &name, std::function<QString()> description)
{
    Q_ASSERT(widget->property(PictureProperty).toBool());
    delete describerOf(widget);
    new Describer(widget, std::move(description));
    widget->setAccessibleName(name);
}

} // namespace ScreenReader

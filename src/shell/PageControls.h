#pragma once

#include <QGroupBox>
#include <QRect>
#include <QString>

class PaintBox;
class QAction;
class QMenu;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QSlider;
class QToolButton;

// Builders for the controls of the topic pages: each gets its objectName, its
// place and its two-part hint ("short|long"; empty for none).
namespace PageControls {

QScrollBar *scrollBar(QWidget *parent, const char *name, int min, int max, int value, QRect at,
                      const QString &hint = {});
// A track bar (slider), with a tick every `tickInterval` below it when given.
QSlider *trackBar(QWidget *parent, const char *name, int min, int max, int value, QRect at, int tickInterval = 0,
                  const QString &hint = {});
QLabel *label(QWidget *parent, const char *name, const QString &text, QRect at);
QPushButton *button(QWidget *parent, const char *name, const QString &caption, QRect at, const QString &hint = {});
// A flat button, as the pages' speed buttons.
QToolButton *flatButton(QWidget *parent, const char *name, const QString &caption, QRect at, const QString &hint = {});
PaintBox *paintBox(QWidget *parent, const char *name, QRect at, const QString &hint = {});
// A menu item with its objectName and, for items that choose among values, the value as its data.
QAction *menuItem(QMenu *menu, const char *name, const QString &caption, int tag = 0);
// A panel with a white face and a lowered edge, behind a picture.
QFrame *whitePanel(QWidget *parent, const char *name, QRect at);

} // namespace PageControls

// A captioned group of radio buttons with an item index, as a radio group.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
public:
    RadioGroup(QWidget *parent, const char *name, const QString &caption, const QStringList &items, int selected);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton *item(int index) const;

Q_SIGNALS:
    // A user (or setItemIndex) chose an item.
    void clicked(int index);

private:
    QButtonGroup *m_buttons;
};

#include "shell/ControlValues.h"

#include <QAbstractSlider>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>

namespace ControlValues {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ControlValues", text);
}

// The radio buttons of a group, in their order on the page.
QList<QRadioButton *> radios(const QWidget *group)
{
    return group->findChildren<QRadioButton *>();
}

} // namespace

QString check(const QWidget *control, const QString &name, const QString &valueText)
{
    if (!control) {
        return tr("There is no control named \"%1\".").arg(name);
    }
    bool ok = false;
    const int value = valueText.toInt(&ok);
    if (!ok) {
        return tr("\"%1\" is not a whole number, as \"%2\" needs.").arg(valueText, name);
    }
    const auto outside = [&](int low, int high) {
        return value < low || value > high
                   ? tr("The value %1 for \"%2\" is outside %3 to %4.").arg(value).arg(name).arg(low).arg(high)
                   : QString();
    };
    if (const auto *slider = qobject_cast<const QAbstractSlider *>(control)) {
        return outside(slider->minimum(), slider->maximum());
    }
    if (qobject_cast<const QCheckBox *>(control)) {
        return outside(0, 1);
    }
    if (qobject_cast<const QRadioButton *>(control)) {
        return outside(1, 1);
    }
    if (const auto *list = qobject_cast<const QListWidget *>(control)) {
        return outside(0, list->count() - 1);
    }
    if (const auto *combo = qobject_cast<const QComboBox *>(control)) {
        return outside(0, combo->count() - 1);
    }
    if (const auto *spin = qobject_cast<const QSpinBox *>(control)) {
        return outside(spin->minimum(), spin->maximum());
    }
    if (qobject_cast<const QGroupBox *>(control)) {
        return outside(0, int(radios(control).size()) - 1);
    }
    return tr("\"%1\" is not a control that takes a value.").arg(name);
}

void set(QWidget *control, const QString &valueText)
{
    const int value = valueText.toInt();
    if (auto *slider = qobject_cast<QAbstractSlider *>(control)) {
        // As a drag to that place: any limits the page puts on the position
        // (the gamma detector may not pass the absorber) act before it is
        // taken as the value.
        slider->setSliderPosition(value);
        slider->triggerAction(QAbstractSlider::SliderMove);
    } else if (auto *box = qobject_cast<QCheckBox *>(control)) {
        if (box->isChecked() != (value == 1)) {
            box->click();
        }
    } else if (auto *radio = qobject_cast<QRadioButton *>(control)) {
        radio->click();
    } else if (auto *list = qobject_cast<QListWidget *>(control)) {
        list->setCurrentRow(value);
    } else if (auto *combo = qobject_cast<QComboBox *>(control)) {
        combo->setCurrentIndex(value);
    } else if (auto *spin = qobject_cast<QSpinBox *>(control)) {
        spin->setValue(value);
    } else if (qobject_cast<QGroupBox *>(control)) {
        radios(control)[value]->click();
    }
}

} // namespace ControlValues

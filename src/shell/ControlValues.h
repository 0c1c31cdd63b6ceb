#pragma once

#include <QString>

class QWidget;

// Setting a control to a value as a user would, for the links that set a
// simulation up and for the snapshot tool. Values are whole numbers: a
// slider's or scroll bar's position, 0 or 1 for a check box, 1 for a radio
// button, the item index in a radio group, list or combo box.
namespace ControlValues {

// Empty when `value` suits the control, else a sentence naming the fault.
QString check(const QWidget *control, const QString &name, const QString &value);

// Sets the control; the value must have passed check().
void set(QWidget *control, const QString &value);

} // namespace ControlValues

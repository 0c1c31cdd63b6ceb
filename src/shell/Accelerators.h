#pragma once

#include <QStringList>

class QWidget;

// Keyboard accelerators for menu items: each caption of a menu gets its own
// underlined letter, so a keyboard user can open the menu and press it.
namespace Accelerators {

// The captions with an accelerator each, distinct within the list: the first
// letter of a word that is still free, else any free letter or digit. A
// caption that already has one ("E&xit") keeps it; one with no free letter
// stays as it is.
QStringList assign(const QStringList &captions);

// Gives the items of every menu under `root` (menu bars, pop-up menus and
// their submenus) accelerators, menu by menu.
void assignAll(QWidget *root);

} // namespace Accelerators

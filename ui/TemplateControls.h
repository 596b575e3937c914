#pragma once

#include <QWidget>

#include "ui/DialogTemplate.h"
#include "ui/DialogUnits.h"

namespace kelvrin {

// Creates the widget of one template control as a child of the dialog and places it.
// Texts are never clipped: a label, check box or button grows beyond its rectangle to its
// size hint (to the right, or evenly to both sides when centred); a button only as far as its
// text needs.
QWidget* CreateTemplateControl(const ControlTemplate& control, QWidget* dialog, DialogBaseUnits base);

}  // namespace kelvrin

#pragma once

#include <QWidget>

#include <vector>

#include "dialogs/DialogTemplate.h"
#include "ui/DialogUnits.h"

namespace kelvrin {

// Creates the widget of one template control as a child of the dialog and places it.
// Texts are never clipped: a label, check box or button grows beyond its rectangle to its
// size hint (to the right, to the left for "grow-left", or evenly to both sides when centred);
// a button only as far as its text needs. An edit of style "written" takes Latin-1 only, up to
// kMaxTextLength characters; a drop-down's items are added as given (the dialog layer orders
// them).
QWidget* CreateTemplateControl(const ControlTemplate& control, QWidget* dialog,
                               DialogBaseUnits base);

// Controls grown for their text (or a drop-down for its closed box) can come too close to the
// control below them at small fonts: each is made shorter where it would stand nearer than
// kMinControlGap pixels to a control below it in the same columns. Positions stay as placed.
inline constexpr int kMinControlGap = 4;
void KeepControlsApart(const std::vector<QWidget*>& controls);

}  // namespace kelvrin

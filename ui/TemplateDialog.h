#pragma once

#include <QDialog>
#include <QHash>
#include <QRect>

#include "ui/DialogUnits.h"

namespace kelvrin {

// A dialog built from template res/templates/<id>.json: caption, fixed size and every control,
// created in template order (which is the tab order) and positioned in dialog units converted
// from the dialog's font. The font is the application's default font, so the layout follows the
// desktop's font size. Controls are plain children of the dialog; find them with Item/ItemAs.
//
// Kinds and classes: "label", "icon" -> QLabel; "group" -> QGroupBox (a frame only);
// "edit", "edit-digits" -> QLineEdit; "combo" -> editable QComboBox; "check" -> QCheckBox;
// "button", "default-button" -> QPushButton; "list" -> QListWidget; "link" -> CLinkLabel.
//
// Only the operator's actions may run handlers. Connect handlers to these signals, which Qt
// emits for the operator's input only (and for QAbstractButton::click(), which code never calls):
//   QPushButton                 clicked()                     (a click, Space, or Enter on the
//   default button) QCheckBox                   clicked(bool)                 (never
//   toggled/stateChanged) QComboBox, choosing an item activated(int)                (never
//   currentIndexChanged/currentTextChanged;
//                                                              this covers a selection change and a
//                                                              confirmed choice)
//   QComboBox, typing           lineEdit()->textEdited(...)   (never editTextChanged)
//   QLineEdit                   textEdited(const QString&)    (never textChanged)
//   QListWidget, double click   itemDoubleClicked(QListWidgetItem*)
//   QListWidget, selection      itemSelectionChanged() has no operator-only twin in Qt: select rows
//   from code
//                               under a QSignalBlocker(list) so that the handler runs for the
//                               operator only.
// Setting texts, checking boxes (setChecked) and selecting items (setCurrentIndex, setCurrentRow)
// from code therefore runs no handler.
//
// Combo boxes behave as the original drop-down combos: typed text is never added as an item,
// nothing completes the typed text, a "sort" combo keeps every item sorted (letter case ignored)
// also when items are added later, and the template's items start with no selection (empty text).
// Typed text that matches an item does not emit activated(); the wheel changes a box only while it
// has the focus. currentIndex() is the item last chosen or selected from code; the typed text is
// currentText(), and findText(currentText(), Qt::MatchFixedString) tells which item (if any) it
// matches. "edit-digits" holds digits only, however text arrives (a leading minus sign only when
// not typed); text set from code is shown as given. A "label" with a "buddy" id is the buddy of
// that control, which a screen reader then names by the label's text. Controls grown for their text
// are shortened where they would stand closer than kMinControlGap pixels to a control below them.
// Buttons run nothing until the window connects them, ids 1 and 2 included. Escape calls reject(),
// Enter clicks the default button (or the push button that has the focus).
class TemplateDialog : public QDialog {
    Q_OBJECT
public:
    explicit TemplateDialog(int templateId, QWidget* parent = nullptr);

    // The control with this template id, nullptr when the template has none.
    QWidget* Item(int id) const;
    template <class T>
    T* ItemAs(int id) const {
        return qobject_cast<T*>(Item(id));
    }

    QRect DialogUnitsToPixels(const QRect& units) const;

private:
    DialogBaseUnits baseUnits_;
    QHash<int, QWidget*> items_;
};

}  // namespace kelvrin

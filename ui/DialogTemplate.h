#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace kelvrin {

enum class ControlKind {
    Label,
    Group,
    Icon,
    Edit,
    DigitsEdit,
    Combo,
    Check,
    Button,
    DefaultButton,
    List,
    Link
};

// One control of a dialog template: what to create, where (in dialog units) and with which text.
struct ControlTemplate {
    int id = -1;  // -1: a static control nobody looks up
    ControlKind kind = ControlKind::Label;
    QString text;
    QRect rect;          // dialog units; a combo's height includes its drop-down list
    QStringList items;   // initial items of a combo
    QStringList styles;  // "sort", "hscroll", "centre", "disabled"
    int icon = 0;        // icon resource of an "icon" control
    int buddy = -1;      // a label: the id of the field it names

    bool HasStyle(const QString& style) const { return styles.contains(style); }
};

// A dialog template as kept under res/templates: caption, size in dialog units and the controls
// in creation (and tab) order.
struct DialogTemplate {
    int id = 0;
    QString caption;
    QSize size{0, 0};
    std::vector<ControlTemplate> controls;
};

// Reads template <id> from the program's resources; a missing template gives an empty dialog
// (and a warning) rather than stopping the program.
DialogTemplate LoadDialogTemplate(int id);

}  // namespace kelvrin

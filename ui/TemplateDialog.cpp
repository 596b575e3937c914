#include "ui/TemplateDialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QtDebug>

#include <utility>
#include <vector>

#include "ui/DialogTemplate.h"
#include "ui/TemplateControls.h"

namespace kelvrin {

TemplateDialog::TemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent), baseUnits_(BaseUnitsOf(font())) {
    const DialogTemplate dialogTemplate = LoadDialogTemplate(templateId);
    setWindowTitle(dialogTemplate.caption);

    QWidget* previousInTabOrder = nullptr;
    std::vector<QWidget*> controls;
    std::vector<std::pair<QLabel*, int>> buddies;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateTemplateControl(control, this, baseUnits_);
        if (widget == nullptr) continue;
        controls.push_back(widget);
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && control.buddy != -1)
            buddies.emplace_back(label, control.buddy);
        if (control.id != -1) {
            if (items_.contains(control.id))
                qWarning() << "dialog template" << templateId << ": id" << control.id << "twice";
            else
                items_.insert(control.id, widget);
        }
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            if (previousInTabOrder != nullptr) setTabOrder(previousInTabOrder, widget);
            previousInTabOrder = widget;
        }
    }
    // A label names its field, so a screen reader announces the field by the label's text: as
    // the field's "labelled by" relation, and as its name for the views (lists) that report no
    // relations.
    for (const auto& [label, buddy] : buddies) {
        QWidget* field = Item(buddy);
        if (field == nullptr) {
            qWarning() << "dialog template" << templateId << ": no control" << buddy
                       << "for a label";
            continue;
        }
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
    KeepControlsApart(controls);
    // Frames stay behind the controls they surround, wherever they stand in the template.
    for (QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) group->lower();

    setFixedSize(DialogUnitsToPixels(QRect(QPoint(0, 0), dialogTemplate.size)).size());
}

QWidget* TemplateDialog::Item(int id) const { return items_.value(id, nullptr); }

QRect TemplateDialog::DialogUnitsToPixels(const QRect& units) const {
    return ToPixels(units, baseUnits_);
}

}  // namespace kelvrin

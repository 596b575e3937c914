#include "ui/TemplateDialog.h"

#include <QGroupBox>
#include <QtDebug>

#include "ui/DialogTemplate.h"
#include "ui/TemplateControls.h"

namespace kelvrin {

TemplateDialog::TemplateDialog(int templateId, QWidget* parent)
    : QDialog(parent), baseUnits_(BaseUnitsOf(font())) {
    const DialogTemplate dialogTemplate = LoadDialogTemplate(templateId);
    setWindowTitle(dialogTemplate.caption);

    QWidget* previousInTabOrder = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = CreateTemplateControl(control, this, baseUnits_);
        if (widget == nullptr) continue;
        if (control.id != -1) {
            if (items_.contains(control.id)) qWarning() << "dialog template" << templateId << ": id" << control.id << "twice";
            else items_.insert(control.id, widget);
        }
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
            if (previousInTabOrder != nullptr) setTabOrder(previousInTabOrder, widget);
            previousInTabOrder = widget;
        }
    }
    // Frames stay behind the controls they surround, wherever they stand in the template.
    for (QGroupBox* group : findChildren<QGroupBox*>(Qt::FindDirectChildrenOnly)) group->lower();

    setFixedSize(DialogUnitsToPixels(QRect(QPoint(0, 0), dialogTemplate.size)).size());
}

QWidget* TemplateDialog::Item(int id) const {
    return items_.value(id, nullptr);
}

QRect TemplateDialog::DialogUnitsToPixels(const QRect& units) const {
    return ToPixels(units, baseUnits_);
}

}  // namespace kelvrin

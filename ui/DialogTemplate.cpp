#include "ui/DialogTemplate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtDebug>

#include <array>
#include <optional>
#include <utility>

namespace kelvrin {

namespace {

std::optional<ControlKind> KindNamed(const QString& name) {
    static const std::array<std::pair<const char*, ControlKind>, 11> kinds{{
        {"label", ControlKind::Label},
        {"group", ControlKind::Group},
        {"icon", ControlKind::Icon},
        {"edit", ControlKind::Edit},
        {"edit-digits", ControlKind::DigitsEdit},
        {"combo", ControlKind::Combo},
        {"check", ControlKind::Check},
        {"button", ControlKind::Button},
        {"default-button", ControlKind::DefaultButton},
        {"list", ControlKind::List},
        {"link", ControlKind::Link},
    }};
    for (const auto& [kindName, kind] : kinds) {
        if (name == QLatin1String(kindName)) return kind;
    }
    return std::nullopt;
}

QStringList Strings(const QJsonValue& value) {
    QStringList strings;
    for (const QJsonValue& entry : value.toArray()) strings.append(entry.toString());
    return strings;
}

QRect RectOf(const QJsonValue& value) {
    const QJsonArray numbers = value.toArray();
    return QRect(numbers.at(0).toInt(), numbers.at(1).toInt(), numbers.at(2).toInt(),
                 numbers.at(3).toInt());
}

// Controls of an unknown kind are skipped with a warning.
DialogTemplate ParseDialogTemplate(const QByteArray& json) {
    QJsonParseError error;
    const QJsonObject root = QJsonDocument::fromJson(json, &error).object();
    if (error.error != QJsonParseError::NoError)
        qWarning() << "dialog template:" << error.errorString();

    DialogTemplate dialog;
    dialog.id = root.value(QLatin1String("id")).toInt();
    dialog.caption = root.value(QLatin1String("caption")).toString();
    const QJsonArray size = root.value(QLatin1String("size")).toArray();
    dialog.size = QSize(size.at(0).toInt(), size.at(1).toInt());

    for (const QJsonValue& entry : root.value(QLatin1String("controls")).toArray()) {
        const QJsonObject object = entry.toObject();
        const QString kindName = object.value(QLatin1String("kind")).toString();
        const std::optional<ControlKind> kind = KindNamed(kindName);
        if (!kind) {
            qWarning() << "dialog template" << dialog.id << ": unknown control kind" << kindName;
            continue;
        }
        ControlTemplate control;
        control.id = object.value(QLatin1String("id")).toInt(-1);
        control.kind = *kind;
        control.text = object.value(QLatin1String("text")).toString();
        control.rect = RectOf(object.value(QLatin1String("rect")));
        control.items = Strings(object.value(QLatin1String("items")));
        control.styles = Strings(object.value(QLatin1String("styles")));
        control.icon = object.value(QLatin1String("icon")).toInt();
        control.buddy = object.value(QLatin1String("buddy")).toInt(-1);
        dialog.controls.push_back(control);
    }
    return dialog;
}

}  // namespace

DialogTemplate LoadDialogTemplate(int id) {
    QFile file(QStringLiteral(":/templates/%1.json").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "dialog template" << id << "is missing";
        DialogTemplate empty;
        empty.id = id;
        return empty;
    }
    return ParseDialogTemplate(file.readAll());
}

}  // namespace kelvrin

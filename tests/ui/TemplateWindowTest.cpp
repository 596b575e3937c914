// What the Qt renderer makes of each dialog template: the widgets, their places and order, the
// window's frame, and the texts as they show.
#include "tests/ui/WindowFixture.h"
#include "ui/LinkLabel.h"
#include "ui/WindowText.h"

namespace kelvrin::testing {
namespace {

const char* ClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label:
        case ControlKind::Icon:
            return "QLabel";
        case ControlKind::Group:
            return "QGroupBox";
        case ControlKind::Edit:
        case ControlKind::DigitsEdit:
            return "QLineEdit";
        case ControlKind::Combo:
            return "QComboBox";
        case ControlKind::Check:
            return "QCheckBox";
        case ControlKind::Button:
        case ControlKind::DefaultButton:
            return "QPushButton";
        case ControlKind::List:
            return "QListWidget";
        case ControlKind::Link:
            return "kelvrin::CLinkLabel";
    }
    return "";
}

QStringList ItemsOf(const QComboBox& combo) {
    QStringList items;
    for (int row = 0; row < combo.count(); ++row) items << combo.itemText(row);
    return items;
}

// Each control of each template is its widget, with the template's id, place, items, tooltip
// and enabling; Tab visits them in template order; the window has the template's caption, size,
// cursor and icon, and a close box but no minimise or maximise box.
TEST(TemplateWindow, EachTemplateBecomesItsWidgets) {
    for (const int id : DialogTemplateIds()) {
        const DialogTemplate& dialogTemplate = *FindDialogTemplate(id);
        SCOPED_TRACE("template " + std::to_string(id));
        RecordingDialog dialog(id);
        TemplateWindow window(dialog);
        EXPECT_EQ(window.windowTitle(), TemplateText(dialogTemplate.caption));
        EXPECT_EQ(
            window.size(),
            window.DialogUnitsToPixels(QRect(0, 0, dialogTemplate.width, dialogTemplate.height))
                .size());
        EXPECT_EQ(HasProgramCursor(window), dialogTemplate.cursor == 133);
        EXPECT_EQ(window.windowIcon().isNull(), dialogTemplate.icon == 0);
        EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        std::vector<const QWidget*> tabOrder;
        for (const ControlTemplate& control : dialogTemplate.controls) {
            if (control.id == -1) continue;
            SCOPED_TRACE("control " + std::to_string(control.id));
            const QWidget* widget = window.Item(control.id);
            ASSERT_NE(widget, nullptr);
            EXPECT_STREQ(widget->metaObject()->className(), ClassOf(control.kind));
            const DialogRect& r = control.rect;
            const QRect pixels = window.DialogUnitsToPixels(QRect(r.x, r.y, r.width, r.height));
            // Texts grow their control to the right; only fields keep their height.
            if (!control.HasStyle("centre") && !control.HasStyle("grow-left")) {
                EXPECT_EQ(widget->x(), pixels.x());
            }
            const bool field =
                control.kind == ControlKind::Edit || control.kind == ControlKind::DigitsEdit ||
                control.kind == ControlKind::List || control.kind == ControlKind::Combo;
            if (field) {
                EXPECT_EQ(widget->y(), pixels.y());
            }
            EXPECT_EQ(widget->toolTip().toStdString(), control.tooltip);
            EXPECT_EQ(widget->isEnabled(), !control.HasStyle("disabled"));
            if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
                QStringList items;
                for (const std::string_view item : control.items) items << TemplateText(item);
                EXPECT_EQ(ItemsOf(*combo), items);
                EXPECT_TRUE(combo->isEditable());
            }
            if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
                EXPECT_EQ(button->isDefault(), control.kind == ControlKind::DefaultButton);
            }
            if ((widget->focusPolicy() & Qt::TabFocus) != 0) tabOrder.push_back(widget);
        }
        ASSERT_FALSE(tabOrder.empty());
        std::vector<const QWidget*> visited{tabOrder.front()};
        for (const QWidget* at = tabOrder.front()->nextInFocusChain(); at != tabOrder.front();
             at = at->nextInFocusChain()) {
            if (std::find(tabOrder.begin(), tabOrder.end(), at) != tabOrder.end()) {
                visited.push_back(at);
            }
        }
        EXPECT_EQ(visited, tabOrder);
    }
}

// Every window at 7, 9 and 12 pt: dialog units follow the font, texts are whole, stacked
// controls stand at least 4 px apart, and each label names its field to a screen reader (by the
// field's name, or by the label relation Qt gives an editable drop-down).
TEST(TemplateWindow, TextsAreWholeControlsApartAndLabelsNameTheirFields) {
    const QFont previous = QApplication::font();
    for (const int points : {7, 9, 12}) {
        QApplication::setFont(QFont(previous.family(), points));
        QStringList named;
        for (const int id : DialogTemplateIds()) {
            SCOPED_TRACE("template " + std::to_string(id) + " at " + std::to_string(points));
            RecordingDialog dialog(id);
            TemplateWindow window(dialog);
            const QFontMetrics metrics(window.font());
            const int unitX = qRound(metrics.horizontalAdvance(QStringLiteral(
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                     52.0);
            EXPECT_EQ(
                window.DialogUnitsToPixels(QRect(40, 80, 400, 800)),
                QRect(10 * unitX, 10 * metrics.height(), 100 * unitX, 100 * metrics.height()));
            QList<QWidget*> controls;
            for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                auto* label = qobject_cast<QLabel*>(child);
                if (label != nullptr && label->pixmap().isNull()) {
                    EXPECT_GE(label->width(),
                              label->fontMetrics().horizontalAdvance(label->text()));
                }
                if (label != nullptr && label->buddy() != nullptr) {
                    QAccessibleInterface* field =
                        QAccessible::queryAccessibleInterface(label->buddy());
                    QStringList names{field->text(QAccessible::Name)};
                    for (const auto& relation : field->relations(QAccessible::Label)) {
                        names << relation.first->text(QAccessible::Name);
                    }
                    if (names.contains(label->text())) named << label->text();
                }
                if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                    EXPECT_GT(button->width(),
                              button->fontMetrics().horizontalAdvance(button->text()));
                }
                if (qobject_cast<QGroupBox*>(child) == nullptr) controls.append(child);
            }
            for (const QWidget* upper : controls) {
                const QRect a = upper->geometry();
                EXPECT_TRUE(window.rect().contains(a));
                for (const QWidget* lower : controls) {
                    const QRect b = lower->geometry();
                    const bool apart = b.top() <= a.top() || b.left() > a.right() ||
                                       a.left() > b.right() || b.top() - a.bottom() > 4;
                    EXPECT_TRUE(apart) << a.y() << "+" << a.height() << " over " << b.y();
                }
            }
        }
        EXPECT_EQ(named,
                  QStringList({"Server Name", "Game Type", "Game Base", "Speed", "max.Players",
                               "Time Limit", "Frag Limit", "Capture Limit", "Tourney Limit",
                               "Countdown", "Admin Password", "Client Password", "selected maps",
                               "ZombieTimeout", "ClientTimeout", "ClientRate", "MaxUsercmdRelay"}));
    }
    QApplication::setFont(previous);
}

// The view's texts are single bytes and show as Latin-1 both ways; items show as UTF-8 where they
// are, else as Latin-1; the start marker stays at the selected list's left.
TEST(TemplateWindow, TextsShowAsTheirBytesMean) {
    ShownTemplate maps(139);
    const struct {
        const char* name;
        std::string bytes;
        QString shown;
    } rows[] = {
        {"ASCII", "dvdm1.map", "dvdm1.map"},
        {"Latin-1", "Z\xfcrich", QStringLiteral("Zürich")},
        {"UTF-8", "caf\xc3\xa9", QStringLiteral("café")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        maps.window.SetText(1009, row.bytes);
        const QString edited = maps.Item<QLineEdit>(1009)->text();
        EXPECT_EQ(edited, QString::fromLatin1(row.bytes.data(), qsizetype(row.bytes.size())));
        EXPECT_EQ(maps.window.Text(1009), row.bytes);
        maps.window.SetItems(1037, {row.bytes});
        EXPECT_EQ(maps.Item<QListWidget>(1037)->item(0)->text(), row.shown);
    }
    const QLabel* marker = nullptr;
    for (const QLabel* label : maps.window.findChildren<QLabel*>()) {
        if (label->text() == "* ->") marker = label;
    }
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->geometry().right() + 1, maps.Item<QWidget>(1036)->x());
}

// The edits whose text goes into a file refuse keys beyond Latin-1 and take at most 99
// characters; digits-only edits hold digits however text arrives, a set negative number
// showing its sign.
TEST(TemplateWindow, EditsTakeWhatTheirFileCanHold) {
    for (const int id : DialogTemplateIds()) {
        ShownTemplate shown(id);
        for (const ControlTemplate& control : FindDialogTemplate(id)->controls) {
            if (!control.HasStyle("written")) continue;
            SCOPED_TRACE("template " + std::to_string(id) + " edit " + std::to_string(control.id));
            auto* edit = shown.Item<QLineEdit>(control.id);
            edit->clear();
            for (const char16_t key : {u'\u00e9', u'\u20ac', u'\u0100', u'\u03a9'}) {
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(QChar(key)),
                                    Qt::NoModifier);
            }
            QTest::keyClicks(edit, QString(120, u'x'));
            EXPECT_EQ(edit->text(), QStringLiteral("\u00e9") + QString(98, u'x'));
        }
    }
    ShownTemplate advanced(140);
    QLineEdit* digits = advanced.Item<QLineEdit>(1009);
    advanced.window.SetText(1009, "-5");
    EXPECT_EQ(digits->text(), "-5");
    QGuiApplication::clipboard()->setText(QStringLiteral("3x"));
    const struct {
        const char* name;
        std::function<void()> act;
        const char* text;
    } rows[] = {
        {"keys", [digits] { QTest::keyClicks(digits, "1a-2"); }, "12"},
        {"Ctrl+V", [digits] { QTest::keyClick(digits, Qt::Key_V, Qt::ControlModifier); }, ""},
        {"context menu Paste", [digits] { digits->paste(); }, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        digits->clear();
        row.act();
        EXPECT_EQ(digits->text(), row.text);
    }
}

}  // namespace
}  // namespace kelvrin::testing

// What the Qt renderer makes of each dialog template: the widgets, their places and order, the
// window's frame, and the texts as they show.
#include "tests/ui/WindowFixture.h"
#include "ui/ProgramCursor.h"
#include "ui/WindowText.h"

namespace kelvrin::testing {
namespace {

// The widget class of each control kind, in the order ControlKind names them.
constexpr const char* kClassOf[] = {"QLabel",           "QGroupBox",          "QLabel",
                                    "QLineEdit",        "QLineEdit",          "QComboBox",
                                    "QCheckBox",        "QPushButton",        "QPushButton",
                                    "kelvrin::RowList", "kelvrin::CLinkLabel"};
static_assert(std::size(kClassOf) == static_cast<std::size_t>(ControlKind::Link) + 1);

// Each control of each template is its widget, with the template's id, place, items, tooltip
// and enabling, and the name its label gives it; Tab visits them in template order; the window
// has the template's caption, size, cursor and icon, and a close box but no minimise or maximise
// box.
void ExpectTemplateWidgets(const DialogTemplate& dialogTemplate, const TemplateWindow& window) {
    EXPECT_EQ(window.windowTitle(), TemplateText(dialogTemplate.caption));
    const QRect size(0, 0, dialogTemplate.width, dialogTemplate.height);
    EXPECT_EQ(window.size(), window.DialogUnitsToPixels(size).size());
    const QImage programCursor = ProgramCursor().bitmap().toImage();
    EXPECT_EQ(window.cursor().bitmap().toImage() == programCursor, dialogTemplate.cursor == 133);
    EXPECT_EQ(window.windowIcon().isNull(), dialogTemplate.icon == 0);
    const Qt::WindowFlags boxes = Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    EXPECT_EQ((window.windowFlags() & boxes).toInt(), Qt::WindowCloseButtonHint);
    std::vector<const QWidget*> tabOrder;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        // A label names its field to a screen reader.
        if (control.buddy != -1) {
            EXPECT_EQ(window.Item(control.buddy)->accessibleName(), TemplateText(control.text));
        }
        if (control.id == -1) continue;
        SCOPED_TRACE("control " + std::to_string(control.id));
        const QWidget* widget = window.Item(control.id);
        ASSERT_NE(widget, nullptr);
        EXPECT_STREQ(widget->metaObject()->className(), kClassOf[int(control.kind)]);
        const DialogRect& r = control.rect;
        const QRect pixels = window.DialogUnitsToPixels(QRect(r.x, r.y, r.width, r.height));
        // Texts grow their control to the right; only fields keep their height.
        if (!control.HasStyle("centre") && !control.HasStyle("grow-left")) {
            EXPECT_EQ(widget->x(), pixels.x());
        }
        if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
            qobject_cast<const QListView*>(widget)) {
            EXPECT_EQ(widget->y(), pixels.y());
        }
        EXPECT_EQ(widget->toolTip().toStdString(), control.tooltip);
        EXPECT_EQ(widget->isEnabled(), !control.HasStyle("disabled"));
        if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            ASSERT_EQ(combo->count(), qsizetype(control.items.size()));
            for (int row = 0; row < combo->count(); ++row) {
                EXPECT_EQ(combo->itemText(row), TemplateText(control.items[row]));
            }
            EXPECT_TRUE(combo->isEditable());
        }
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            EXPECT_EQ(button->isDefault(), control.kind == ControlKind::DefaultButton);
        }
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) tabOrder.push_back(widget);
    }
    ASSERT_FALSE(tabOrder.empty());
    std::vector<const QWidget*> visited;
    const QWidget* at = tabOrder.front();
    do {
        if (std::ranges::find(tabOrder, at) != tabOrder.end()) visited.push_back(at);
        at = at->nextInFocusChain();
    } while (at != tabOrder.front());
    EXPECT_EQ(visited, tabOrder);
}

// Texts are whole and stacked controls stand at least 4 px apart.
void ExpectTextsWholeAndControlsApart(const TemplateWindow& window) {
    QList<const QWidget*> controls;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<const QLabel*>(child);
        if (label != nullptr && label->pixmap().isNull()) {
            EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        }
        if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()));
        }
        if (qobject_cast<const QGroupBox*>(child) == nullptr) controls.append(child);
    }
    for (const QWidget* upper : controls) {
        const QRect a = upper->geometry();
        EXPECT_TRUE(window.rect().contains(a));
        for (const QWidget* lower : controls) {
            const QRect b = lower->geometry();
            const bool apart = b.top() <= a.top() || b.left() > a.right() || a.left() > b.right() ||
                               b.top() - a.bottom() > 4;
            EXPECT_TRUE(apart) << a.y() << "+" << a.height() << " over " << b.y();
        }
    }
}

// Every window at 7, 9 and 12 pt: each template becomes its widgets, texts are whole, controls
// apart.
TEST(TemplateWindow, EachTemplateBecomesItsWidgetsAtEveryFontSize) {
    const QFont previous = QApplication::font();
    for (const int points : {7, 9, 12}) {
        QApplication::setFont(QFont(previous.family(), points));
        for (const int id : DialogTemplateIds()) {
            SCOPED_TRACE("template " + std::to_string(id) + " at " + std::to_string(points));
            RecordingDialog dialog(id);
            TemplateWindow window(dialog);
            ExpectTemplateWidgets(*FindDialogTemplate(id), window);
            ExpectTextsWholeAndControlsApart(window);
        }
    }
    QApplication::setFont(previous);
}

// The view's texts are single bytes and show as Latin-1 both ways; items show as UTF-8 where they
// are, else as Latin-1, whole, and are chosen from code without an event; the start marker stays
// at the selected list's left.
TEST(TemplateWindow, TextsShowAsTheirBytesMean) {
    RecordingDialog dialog(139);
    TemplateWindow maps(dialog);
    const struct {
        const char* name;
        std::string bytes;
        QString edit;
        QString item;
    } rows[] = {
        {"ASCII", "dvdm1.map", "dvdm1.map", "dvdm1.map"},
        {"Latin-1", "Z\xfcrich", QStringLiteral("Zürich"), QStringLiteral("Zürich")},
        {"UTF-8", "caf\xc3\xa9", QStringLiteral("cafÃ©"), QStringLiteral("café")},
        {"long", std::string(60, 'w'), QString(60, u'w'), QString(60, u'w')},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        maps.SetText(1009, row.bytes);
        EXPECT_EQ(maps.ItemAs<QLineEdit>(1009)->text(), row.edit);
        EXPECT_EQ(maps.Text(1009), row.bytes);
        maps.SetItems(1037, {row.bytes, "z.map"});
        const auto* list = maps.ItemAs<QListView>(1037);
        const QModelIndex first = list->model()->index(0, 0);
        EXPECT_EQ(first.data().toString(), row.item);
        // The row is as wide as its name, so the list scrolls sideways to show it whole.
        EXPECT_GE(list->visualRect(first).width(), list->fontMetrics().horizontalAdvance(row.item));
        maps.Select(1037, 0);  // from code: no event
        EXPECT_EQ(maps.Selection(1037), 0);
    }
    EXPECT_TRUE(dialog.events.empty());
    for (const QLabel* label : maps.findChildren<QLabel*>()) {
        if (label->text() == "* ->") {
            EXPECT_EQ(label->geometry().right() + 1, maps.Item(1036)->x());
        }
    }
}

// The edits whose text goes into a file refuse keys beyond Latin-1 and take at most 99
// characters; digits-only edits hold digits however text arrives.
TEST(TemplateWindow, EditsTakeWhatTheirFileCanHold) {
    enum class Paste { None, Keys, Menu };
    const struct {
        const char* name;
        int id;
        QString typed;
        Paste paste;
        const char* clipboard;
        QString after;
    } rows[] = {
        {"written", 1012, QStringLiteral("\u00e9\u20ac\u0100") + QString(120, u'x'), Paste::None,
         "", QStringLiteral("\u00e9") + QString(98, u'x')},
        {"digits typed", 1009, "-1a2", Paste::None, "", "12"},
        {"digits pasted", 1009, "", Paste::Keys, "42", "42"},
        {"sign pasted", 1009, "", Paste::Keys, "-3", ""},
        {"letter pasted from the menu", 1009, "", Paste::Menu, "3x", ""},
    };
    ShownTemplate advanced(140);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        auto* edit = advanced.window.ItemAs<QLineEdit>(row.id);
        edit->clear();
        for (const QChar key : row.typed) {
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(key), {});
        }
        QGuiApplication::clipboard()->setText(row.clipboard);
        if (row.paste == Paste::Keys) QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        if (row.paste == Paste::Menu) edit->paste();
        EXPECT_EQ(edit->text(), row.after);
    }
}

}  // namespace
}  // namespace kelvrin::testing

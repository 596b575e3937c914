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

// Each control of each template is its widget, with the template's id, place, tooltip
// and enabling, and the name its label gives it; Tab visits them in template order; the window
// has the template's caption, size, cursor and icon, and a close box but no minimise or maximise
// box.
void ExpectTemplateWidgets(const DialogTemplate& dialogTemplate, const TemplateWindow& window) {
    EXPECT_EQ(window.windowTitle(), TemplateText(dialogTemplate.caption));
    const QRect size(0, 0, dialogTemplate.width, dialogTemplate.height);
    EXPECT_EQ(window.size(), window.DialogUnitsToPixels(size).size());
    const QImage programCursor = ProgramCursor().bitmap().toImage();
    EXPECT_EQ(window.cursor().bitmap().toImage() == programCursor, dialogTemplate.cursor != 0);
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
        // Texts grow their control to the right (or both ways, or to the left), and buttons and
        // check boxes up and down; every other control keeps its top.
        if (!control.HasStyle("centre") && !control.HasStyle("grow-left")) {
            EXPECT_EQ(widget->x(), pixels.x());
        }
        if (!qobject_cast<const QAbstractButton*>(widget)) {
            EXPECT_EQ(widget->y(), pixels.y());
        }
        EXPECT_EQ(widget->toolTip().toStdString(), control.tooltip);
        EXPECT_EQ(widget->isEnabled(), !control.HasStyle("disabled"));
        if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
            EXPECT_EQ(button->isDefault(), control.kind == ControlKind::DefaultButton);
        }
        if ((widget->focusPolicy() & Qt::TabFocus) != 0) tabOrder.push_back(widget);
    }
    std::vector<const QWidget*> visited;
    for (const QWidget* at = window.nextInFocusChain(); at != &window; at = at->nextInFocusChain())
        if (std::ranges::find(tabOrder, at) != tabOrder.end()) visited.push_back(at);
    EXPECT_EQ(visited, tabOrder);
}

// Texts are whole and stacked controls stand at least 4 px apart.
void ExpectTextsWholeAndControlsApart(const TemplateWindow& window) {
    QList<const QWidget*> controls;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
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

// A template at a font size; every template is shown at 7, 9 and 12 pt.
struct Look : Named {
    int templateId;
    int points;
};

std::vector<Look> TemplatesAtSizes() {
    std::vector<Look> looks;
    for (const int id : DialogTemplateIds())
        for (const int pt : {7, 9, 12})
            looks.push_back({{std::to_string(id) + " at " + std::to_string(pt) + " pt"}, id, pt});
    return looks;
}

class TemplateAtSize : public ::testing::TestWithParam<Look> {};

TEST_P(TemplateAtSize, BecomesItsWidgetsWholeAndApart) {
    const QFont previous = QApplication::font();
    QApplication::setFont(QFont(previous.family(), GetParam().points));
    EventDialog dialog(GetParam().templateId);
    TemplateWindow window(dialog);
    ExpectTemplateWidgets(*FindDialogTemplate(GetParam().templateId), window);
    ExpectTextsWholeAndControlsApart(window);
    QApplication::setFont(previous);
}
INSTANTIATE_TEST_SUITE_P(All, TemplateAtSize, ::testing::ValuesIn(TemplatesAtSizes()), RowName());

// The view's texts are single bytes and show as Latin-1; a list's rows show as UTF-8 where they
// are, else as Latin-1, whole.
struct Spelling : Named {
    std::string bytes;
    QString edit;
    QString row;
};

class TextsShow : public ::testing::TestWithParam<Spelling> {};

TEST_P(TextsShow, AsTheirBytesMean) {
    using namespace mapselection;
    EventDialog dialog(mapselection::kTemplate);
    TemplateWindow maps(dialog);
    maps.SetText(kTypedName, GetParam().bytes);
    EXPECT_EQ(maps.ItemAs<QLineEdit>(kTypedName)->text(), GetParam().edit);
    maps.SetItems(kAvailableList, {GetParam().bytes, "z.map"});
    const auto* list = maps.ItemAs<QListView>(kAvailableList);
    const QModelIndex first = list->model()->index(0, 0);
    EXPECT_EQ(first.data().toString(), GetParam().row);
    EXPECT_EQ(list->model()->index(1, 0).data().toString(), QStringLiteral("z.map"));
    // The row is as wide as its name, so the list scrolls sideways to show it whole.
    EXPECT_GE(list->visualRect(first).width(),
              list->fontMetrics().horizontalAdvance(GetParam().row));
}

const Spelling kSpellings[] = {
    {{"Latin-1"}, "Z\xfcrich", QStringLiteral("Zürich"), QStringLiteral("Zürich")},
    {{"UTF-8"}, "caf\xc3\xa9", QStringLiteral("cafÃ©"), QStringLiteral("café")},
    {{"ASCII, long"}, std::string(60, 'w'), QString(60, u'w'), QString(60, u'w')},
};
INSTANTIATE_TEST_SUITE_P(Spellings, TextsShow, ::testing::ValuesIn(kSpellings), RowName());

// The start marker stands at the selected list's left.
TEST(TemplateWindow, StartMarkerStandsBesideTheSelectedList) {
    EventDialog dialog(mapselection::kTemplate);
    TemplateWindow maps(dialog);
    const QList<QLabel*> labels = maps.findChildren<QLabel*>();
    const auto marker = std::ranges::find(labels, QStringLiteral("* ->"), &QLabel::text);
    ASSERT_NE(marker, labels.end());
    EXPECT_EQ((*marker)->geometry().right() + 1, maps.Item(mapselection::kSelectedList)->x());
}

// The edits whose text goes into a file refuse keys beyond Latin-1 and take at most 99
// characters; digits-only edits hold digits however text arrives.
enum class Paste { None, Keys, Menu };
struct Entry : Named {
    int edit;
    QString typed;
    Paste paste;
    QString clipboard;
    QString after;
};

class EditTakes : public ::testing::TestWithParam<Entry> {};

TEST_P(EditTakes, WhatItsFileCanHold) {
    const Entry& row = GetParam();
    EventDialog dialog(advanced::kTemplate);
    TemplateWindow window(dialog);
    auto* edit = window.ItemAs<QLineEdit>(row.edit);
    for (const QChar key : row.typed)
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(key), {});
    QGuiApplication::clipboard()->setText(row.clipboard);
    if (row.paste == Paste::Keys) QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    if (row.paste == Paste::Menu) edit->paste();
    EXPECT_EQ(edit->text(), row.after);
}

using namespace advanced;
const QString kTyped = QStringLiteral("\u00e9\u20ac\u0100") + QString(120, u'x');
const QString kTaken = QStringLiteral("\u00e9") + QString(98, u'x');
const Entry kEntries[] = {
    {{"written"}, kMaster1, kTyped, Paste::None, "", kTaken},
    {{"digits typed and pasted"}, kZombieTimeout, "-1a2", Paste::Keys, "42", "1242"},
    {{"sign pasted"}, kZombieTimeout, "", Paste::Keys, "-3", ""},
    {{"letter pasted from the menu"}, kZombieTimeout, "", Paste::Menu, "3x", ""},
};
INSTANTIATE_TEST_SUITE_P(Entries, EditTakes, ::testing::ValuesIn(kEntries), RowName());

}  // namespace
}  // namespace kelvrin::testing

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/TemplateDialog.h"

namespace kelvrin {
namespace {

// tests/ui/templates/900.json holds one control of every kind.
constexpr int kEveryKind = 900;

// Makes a font the application's default for one test.
class ApplicationFont {
public:
    explicit ApplicationFont(int pointSize) : previous_(QApplication::font()) {
        QFont font = previous_;
        font.setPointSize(pointSize);
        QApplication::setFont(font);
    }
    ~ApplicationFont() { QApplication::setFont(previous_); }
    ApplicationFont(const ApplicationFont&) = delete;
    ApplicationFont& operator=(const ApplicationFont&) = delete;

private:
    QFont previous_;
};

// Base units as the original platform defines them: the rounded average width of the 52
// letters and the font's height.
QSize BaseUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize(qRound(letters / 52.0), metrics.height());
}

class TemplateDialogTest : public ::testing::Test {
protected:
    TemplateDialog dialog{kEveryKind};

    void Activate() {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    int FocusedId() const {
        for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget()) {
            for (int id : {2002, 2003, 2004, 2005, 2006, 2007, 2008, 2009, 1}) {
                if (dialog.Item(id) == w) return id;
            }
        }
        return 0;
    }
};

TEST(DialogUnits, FollowTheFontOfTheDialog) {
    int previousWidth = 0;
    for (int pointSize : {7, 9, 12, 18}) {
        SCOPED_TRACE(pointSize);
        const ApplicationFont font(pointSize);
        const TemplateDialog dialog(kEveryKind);
        const QSize base = BaseUnits(dialog.font());

        EXPECT_EQ(dialog.DialogUnitsToPixels(QRect(0, 0, 4, 8)), QRect(0, 0, base.width(), base.height()));
        EXPECT_EQ(dialog.DialogUnitsToPixels(QRect(40, 80, 400, 800)),
                  QRect(10 * base.width(), 10 * base.height(), 100 * base.width(), 100 * base.height()));
        EXPECT_EQ(dialog.size(), dialog.DialogUnitsToPixels(QRect(0, 0, 220, 200)).size());
        EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "the dialog has a fixed size";
        EXPECT_GT(dialog.width(), previousWidth);
        previousWidth = dialog.width();
    }
}

TEST(DialogUnits, AdjoiningRectanglesStayAdjoining) {
    const TemplateDialog dialog(kEveryKind);
    for (int x = 0; x < 40; ++x) {
        const QRect left = dialog.DialogUnitsToPixels(QRect(0, 0, x, 3));
        const QRect right = dialog.DialogUnitsToPixels(QRect(x, 0, 7, 3));
        EXPECT_EQ(left.x() + left.width(), right.x()) << x;
    }
}

TEST_F(TemplateDialogTest, FindsEveryControlByIdWithItsKind) {
    enum class Placed { AtTopLeft, AroundCentre };
    const struct {
        int id;
        const char* className;
        QRect units;
        Placed placed;
    } rows[] = {
        {2002, "QLineEdit", {40, 7, 60, 14}, Placed::AtTopLeft},
        {2003, "QLineEdit", {40, 25, 30, 14}, Placed::AtTopLeft},
        {2004, "QComboBox", {110, 7, 60, 60}, Placed::AtTopLeft},
        {2005, "QComboBox", {110, 25, 60, 40}, Placed::AtTopLeft},
        {2006, "QCheckBox", {7, 45, 50, 10}, Placed::AroundCentre},
        {2007, "QPushButton", {7, 65, 40, 14}, Placed::AroundCentre},
        {2008, "QListWidget", {7, 85, 80, 50}, Placed::AtTopLeft},
        {2001, "QLabel", {7, 9, 30, 8}, Placed::AtTopLeft},
        {2010, "QLabel", {180, 7, 20, 20}, Placed::AtTopLeft},
        {2011, "kelvrin::CLinkLabel", {7, 140, 40, 8}, Placed::AtTopLeft},
        {1, "QPushButton", {160, 180, 50, 14}, Placed::AroundCentre},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.id);
        QWidget* item = dialog.Item(row.id);
        ASSERT_NE(item, nullptr);
        EXPECT_STREQ(item->metaObject()->className(), row.className);
        EXPECT_EQ(item->parentWidget(), &dialog) << "controls are children of the dialog, not of a frame";
        const QRect pixels = dialog.DialogUnitsToPixels(row.units);
        if (row.placed == Placed::AtTopLeft) {
            EXPECT_EQ(item->pos(), pixels.topLeft());
        } else {
            EXPECT_LE((item->geometry().center() - pixels.center()).manhattanLength(), 2);
        }
    }
    EXPECT_EQ(dialog.Item(4711), nullptr);
    EXPECT_EQ(dialog.Item(-1), nullptr);
    EXPECT_EQ(dialog.ItemAs<QPushButton>(2002), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Every kind"));
}

TEST_F(TemplateDialogTest, AppliesTextsItemsAndStyles) {
    EXPECT_EQ(dialog.ItemAs<QLabel>(2001)->text(), QStringLiteral("Name"));
    EXPECT_EQ(dialog.ItemAs<QCheckBox>(2006)->text(), QStringLiteral("Warm up"));
    EXPECT_EQ(dialog.ItemAs<QPushButton>(1)->text(), QStringLiteral("OK"));
    EXPECT_TRUE(dialog.ItemAs<QPushButton>(1)->isDefault());
    EXPECT_FALSE(dialog.ItemAs<QPushButton>(2007)->isDefault());
    EXPECT_FALSE(dialog.Item(2009)->isEnabled());
    EXPECT_TRUE(dialog.Item(2002)->isEnabled());
    EXPECT_FALSE(dialog.ItemAs<QLabel>(2010)->pixmap().isNull());
    auto* list = dialog.ItemAs<QListWidget>(2008);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_TRUE(list->uniformItemSizes());
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);

    auto* combo = dialog.ItemAs<QComboBox>(2004);
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(1), QStringLiteral("Team DM"));
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->currentIndex(), -1) << "template items start unselected";
    EXPECT_EQ(combo->currentText(), QString());
}

TEST_F(TemplateDialogTest, ComboIsOneLineHighAndItsListFillsTheRest) {
    for (int id : {2004, 2005}) {
        auto* combo = dialog.ItemAs<QComboBox>(id);
        const QRect units = id == 2004 ? QRect(110, 7, 60, 60) : QRect(110, 25, 60, 40);
        const QRect whole = dialog.DialogUnitsToPixels(units);
        EXPECT_EQ(combo->width(), whole.width());
        EXPECT_GE(combo->height(), combo->minimumSizeHint().height());
        EXPECT_LE(combo->height(), dialog.DialogUnitsToPixels(QRect(0, 0, 0, 14)).height());
        EXPECT_GE(combo->maxVisibleItems(), 1);
    }
    EXPECT_GT(dialog.ItemAs<QComboBox>(2004)->maxVisibleItems(), dialog.ItemAs<QComboBox>(2005)->maxVisibleItems())
        << "a taller template rectangle gives a longer drop-down list";
}

TEST_F(TemplateDialogTest, TextsAreNeverClipped) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->width(), QFontMetrics(label->font()).horizontalAdvance(label->text()));
        EXPECT_GE(label->height(), QFontMetrics(label->font()).height());
    }
    for (QCheckBox* check : dialog.findChildren<QCheckBox*>()) {
        EXPECT_GE(check->width(), check->sizeHint().width()) << check->text().toStdString();
    }
    // A push button holds its text, but need not reach the style's minimum width.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()))
            << button->text().toStdString();
    }
    // A centred text that outgrows its rectangle grows evenly to both sides.
    const QRect units = dialog.DialogUnitsToPixels(QRect(100, 160, 20, 8));
    EXPECT_LE(std::abs(dialog.Item(2012)->geometry().center().x() - units.center().x()), 1);
}

TEST_F(TemplateDialogTest, TabOrderIsTemplateOrder) {
    Activate();
    dialog.Item(2002)->setFocus();
    // The disabled edit 2009 and every static control are left out.
    const std::vector<int> expected{2002, 2003, 2004, 2005, 2006, 2007, 2008, 1, 2002};
    std::vector<int> visited{FocusedId()};
    for (size_t i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(FocusedId());
    }
    EXPECT_EQ(visited, expected);
}

TEST_F(TemplateDialogTest, DigitsOnlyEditRefusesTypedLetters) {
    const struct {
        int id;
        const char* typed;
        const char* shown;
    } rows[] = {
        {2003, "12a3 -b4", "1234"},
        {2003, "xyz", ""},
        {2002, "12a3 -b4", "12a3 -b4"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        auto* edit = dialog.ItemAs<QLineEdit>(row.id);
        edit->clear();
        QTest::keyClicks(edit, QString::fromLatin1(row.typed));
        EXPECT_EQ(edit->text(), QString::fromLatin1(row.shown));
    }
    auto* digits = dialog.ItemAs<QLineEdit>(2003);
    digits->setText(QStringLiteral("-5"));
    EXPECT_EQ(digits->text(), QStringLiteral("-5")) << "text from code is shown as given";
    QTest::keyClick(digits, Qt::Key_Backspace);
    QTest::keyClick(digits, Qt::Key_7);
    EXPECT_EQ(digits->text(), QStringLiteral("-7")) << "and can still be edited";

    QApplication::clipboard()->setText(QStringLiteral("4x"));
    digits->clear();
    QTest::keySequence(digits, QKeySequence::Paste);
    EXPECT_EQ(digits->text(), QString());
    QApplication::clipboard()->setText(QStringLiteral("42"));
    QTest::keySequence(digits, QKeySequence::Paste);
    EXPECT_EQ(digits->text(), QStringLiteral("42"));
}

TEST_F(TemplateDialogTest, EditableComboNeverAddsTypedText) {
    for (int id : {2004, 2005}) {
        SCOPED_TRACE(id);
        auto* combo = dialog.ItemAs<QComboBox>(id);
        const int count = combo->count();
        QTest::keyClicks(combo, QStringLiteral("Typed"));
        QTest::keyClick(combo, Qt::Key_Return);
        EXPECT_EQ(combo->count(), count);
        EXPECT_EQ(combo->findText(QStringLiteral("Typed")), -1);
        EXPECT_EQ(combo->currentText(), QStringLiteral("Typed")) << "nothing completed the text";
        EXPECT_EQ(combo->currentIndex(), -1);
    }
}

TEST_F(TemplateDialogTest, SortedComboKeepsItemsSortedIgnoringCase) {
    auto* sorted = dialog.ItemAs<QComboBox>(2005);
    sorted->addItem(QStringLiteral("[Zmod]"));
    sorted->addItem(QStringLiteral("beta"));
    sorted->insertItem(0, QStringLiteral("[dvbase]"));
    QStringList items;
    for (int i = 0; i < sorted->count(); ++i) items << sorted->itemText(i);
    QStringList expected = items;
    std::sort(expected.begin(), expected.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(items, expected);
    EXPECT_EQ(items.size(), 6);

    auto* unsorted = dialog.ItemAs<QComboBox>(2004);
    unsorted->addItem(QStringLiteral("Arena"));
    EXPECT_EQ(unsorted->itemText(3), QStringLiteral("Arena")) << "a combo without \"sort\" keeps the order";
}

// The signals that TemplateDialog.h names for handlers fire for the operator and never for code.
TEST_F(TemplateDialogTest, HandlerSignalsFireForTheOperatorOnly) {
    Activate();
    auto* combo = dialog.ItemAs<QComboBox>(2004);
    auto* check = dialog.ItemAs<QCheckBox>(2006);
    auto* edit = dialog.ItemAs<QLineEdit>(2002);
    auto* list = dialog.ItemAs<QListWidget>(2008);
    auto* button = dialog.ItemAs<QPushButton>(2007);
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});

    QSignalSpy chosen(combo, &QComboBox::activated);
    QSignalSpy comboTyped(combo->lineEdit(), &QLineEdit::textEdited);
    QSignalSpy ticked(check, &QCheckBox::clicked);
    QSignalSpy typed(edit, &QLineEdit::textEdited);
    QSignalSpy doubleClicked(list, &QListWidget::itemDoubleClicked);
    QSignalSpy pressed(button, &QPushButton::clicked);
    const std::vector<QSignalSpy*> spies{&chosen, &comboTyped, &ticked, &typed, &doubleClicked, &pressed};

    combo->setCurrentIndex(1);
    combo->setEditText(QStringLiteral("CTF"));
    check->setChecked(true);
    check->setCheckState(Qt::Unchecked);
    edit->setText(QStringLiteral("from code"));
    list->setCurrentRow(1);
    button->setDown(true);
    button->setDown(false);
    for (QSignalSpy* spy : spies) EXPECT_EQ(spy->count(), 0) << spy->signal().toStdString();

    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClicks(combo, QStringLiteral("x"));
    QTest::mouseClick(check, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("y"));
    const QPoint row = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QTest::mouseClick(button, Qt::LeftButton);
    for (QSignalSpy* spy : spies) EXPECT_EQ(spy->count(), 1) << spy->signal().toStdString();
}

TEST_F(TemplateDialogTest, FramesStayBehindTheControlsTheySurround) {
    // The frame comes after the check box in the template and covers it.
    Activate();
    auto* check = dialog.ItemAs<QCheckBox>(2006);
    QGroupBox* frame = dialog.findChild<QGroupBox*>();
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->geometry().contains(check->geometry().center()));
    EXPECT_EQ(frame->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(dialog.childAt(check->geometry().center()), check);
    QTest::mouseClick(check, Qt::LeftButton);
    EXPECT_TRUE(check->isChecked());
}

TEST(TemplateDialogMissing, GivesAnEmptyDialog) {
    const TemplateDialog dialog(899);
    EXPECT_EQ(dialog.Item(1), nullptr);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

}  // namespace
}  // namespace kelvrin

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include "ui/TemplateDialog.h"

namespace kelvrin {
namespace {

// tests/ui/templates/900.json holds one control of every kind.
constexpr int kEveryKind = 900;

class TemplateDialogTest : public ::testing::Test {
protected:
    TemplateDialog dialog{kEveryKind};

    void Activate() {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }
};

// A horizontal unit is a quarter of the average letter width, a vertical unit an eighth of the height.
TEST(DialogUnits, FollowTheFontOfTheDialog) {
    const QFont previous = QApplication::font();
    for (int pointSize : {7, 12, 18}) {
        SCOPED_TRACE(pointSize);
        QApplication::setFont(QFont(previous.family(), pointSize));
        const TemplateDialog dialog(kEveryKind);
        const QFontMetrics metrics(dialog.font());
        const int x = qRound(metrics.horizontalAdvance(QStringLiteral(
                                 "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0);
        const int y = metrics.height();
        EXPECT_EQ(dialog.DialogUnitsToPixels(QRect(40, 80, 400, 800)), QRect(10 * x, 10 * y, 100 * x, 100 * y));
        EXPECT_EQ(dialog.size(), dialog.DialogUnitsToPixels(QRect(0, 0, 220, 200)).size());
    }
    QApplication::setFont(previous);
}

TEST_F(TemplateDialogTest, FindsEveryControlByIdWithItsKind) {
    const std::pair<int, const char*> rows[] = {
        {2001, "QLabel"}, {2002, "QLineEdit"}, {2003, "QLineEdit"}, {2004, "QComboBox"},
        {2005, "QComboBox"}, {2006, "QCheckBox"}, {2007, "QPushButton"}, {2008, "QListWidget"},
        {2009, "QLineEdit"}, {2010, "QLabel"}, {2011, "kelvrin::CLinkLabel"}, {1, "QPushButton"},
    };
    for (const auto& [id, className] : rows) {
        SCOPED_TRACE(id);
        ASSERT_NE(dialog.Item(id), nullptr);
        EXPECT_STREQ(dialog.Item(id)->metaObject()->className(), className);
    }
    EXPECT_EQ(dialog.Item(4711), nullptr);
    EXPECT_EQ(dialog.Item(-1), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Every kind"));
}

TEST_F(TemplateDialogTest, TextsAreNeverClipped) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_GE(label->height(), label->fontMetrics().height());
    }
    for (QCheckBox* check : dialog.findChildren<QCheckBox*>()) {
        EXPECT_GE(check->width(), check->sizeHint().width()) << check->text().toStdString();
    }
    // A push button holds its text, but need not reach the style's minimum width.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()))
            << button->text().toStdString();
    }
}

TEST_F(TemplateDialogTest, TabOrderIsTemplateOrder) {
    Activate();
    dialog.Item(2002)->setFocus();
    // The disabled edit 2009 and every static control are left out.
    for (int id : {2003, 2004, 2005, 2006, 2007, 2008, 1, 2002}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(dialog.Item(id)->hasFocus()) << "Tab should reach " << id;
    }
}

TEST_F(TemplateDialogTest, DigitsOnlyEditRefusesLetters) {
    const struct { int id; const char* input; bool pasted; const char* shown; } rows[] = {
        {2003, "12a3 -b4", false, "1234"}, {2002, "12a3 -b4", false, "12a3 -b4"},
        {2003, "4x", true, ""},            {2003, "42", true, "42"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.input);
        auto* edit = dialog.ItemAs<QLineEdit>(row.id);
        edit->clear();
        QApplication::clipboard()->setText(QString::fromLatin1(row.input));
        if (row.pasted) QTest::keySequence(edit, QKeySequence::Paste);
        else QTest::keyClicks(edit, QString::fromLatin1(row.input));
        EXPECT_EQ(edit->text(), QString::fromLatin1(row.shown));
    }
}

TEST_F(TemplateDialogTest, EditableComboNeverAddsTypedText) {
    for (int id : {2004, 2005}) {
        SCOPED_TRACE(id);
        auto* combo = dialog.ItemAs<QComboBox>(id);
        QTest::keyClicks(combo, QStringLiteral("Typed"));
        QTest::keyClick(combo, Qt::Key_Return);
        EXPECT_EQ(combo->count(), 3);
        EXPECT_EQ(combo->findText(QStringLiteral("Typed")), -1);
        EXPECT_EQ(combo->currentText(), QStringLiteral("Typed")) << "nothing completed the text";
    }
}

// The signals that TemplateDialog.h names for handlers fire for the operator and never for code.
TEST_F(TemplateDialogTest, HandlerSignalsFireForTheOperatorOnly) {
    Activate();
    auto* combo = dialog.ItemAs<QComboBox>(2004);
    auto* check = dialog.ItemAs<QCheckBox>(2006);
    auto* edit = dialog.ItemAs<QLineEdit>(2002);
    auto* list = dialog.ItemAs<QListWidget>(2008);
    list->addItems({QStringLiteral("one"), QStringLiteral("two")});

    const QSignalSpy spies[] = {{combo, &QComboBox::activated}, {combo->lineEdit(), &QLineEdit::textEdited},
                                {check, &QCheckBox::clicked},   {edit, &QLineEdit::textEdited},
                                {list, &QListWidget::itemDoubleClicked}};

    combo->setCurrentIndex(1);
    combo->setEditText(QStringLiteral("CTF"));
    check->setChecked(true);
    edit->setText(QStringLiteral("from code"));
    list->setCurrentRow(1);
    for (const QSignalSpy& spy : spies) EXPECT_EQ(spy.count(), 0) << spy.signal().toStdString();

    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClicks(combo, QStringLiteral("x"));
    QTest::mouseClick(check, Qt::LeftButton);
    QTest::keyClicks(edit, QStringLiteral("y"));
    const QPoint row = list->visualItemRect(list->item(0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    for (const QSignalSpy& spy : spies) EXPECT_EQ(spy.count(), 1) << spy.signal().toStdString();
}

}  // namespace
}  // namespace kelvrin

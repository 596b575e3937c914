#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/ModalRun.h"
#include "ui/AboutDlg.h"
#include "ui/ProgramIcons.h"

namespace kelvrin {
namespace {

QStringList LabelTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) texts << label->text();
    }
    return texts;
}

TEST(AboutDlg, ShowsNameVersionAddressesAndCredit) {
    const CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Info über Kelvrin"));
    const QStringList expected{
        QStringLiteral("Kelvrin - Dravek (TM) Server-Frontend "),
        QStringLiteral("Version 0.22 - beta -"),
        QStringLiteral("download at http://www.kelvrin.example.org"),
        QStringLiteral("mail: kelvrin@example.org"),
        QStringLiteral("by the Kelvrin team"),
    };
    EXPECT_EQ(LabelTexts(about), expected);
    EXPECT_EQ(about.size(), about.DialogUnitsToPixels(QRect(0, 0, 276, 162)).size());

    auto* ok = about.ItemAs<QPushButton>(1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_TRUE(ok->isDefault());
}

TEST(AboutDlg, ShowsIcon134InBothUpperCorners) {
    const CAboutDlg about;
    const QImage icon = DecorativeIcon().toImage();
    std::vector<QPoint> corners;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) continue;
        EXPECT_EQ(label->pixmap().toImage(), icon);
        corners.push_back(label->pos());
    }
    const std::vector<QPoint> expected{about.DialogUnitsToPixels(QRect(7, 7, 20, 20)).topLeft(),
                                       about.DialogUnitsToPixels(QRect(248, 7, 20, 20)).topLeft()};
    EXPECT_EQ(corners, expected);
}

TEST(AboutDlg, EveryTextIsFullyVisibleInsideTheBox) {
    const CAboutDlg about;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        SCOPED_TRACE(label->text().toStdString());
        EXPECT_TRUE(about.rect().contains(label->geometry()));
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }
}

TEST(AboutDlg, EnterOkAndEscapeCloseIt) {
    const struct {
        const char* name;
        std::function<void(QWidget*)> act;
        int result;
    } rows[] = {
        {"Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Return); }, QDialog::Accepted},
        {"keypad Enter", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Enter); }, QDialog::Accepted},
        {"OK", [](QWidget* box) { QTest::mouseClick(box->findChild<QPushButton*>(), Qt::LeftButton); },
         QDialog::Accepted},
        {"Escape", [](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); }, QDialog::Rejected},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CAboutDlg about;
        testing::WhenWindowAppears(row.act);
        EXPECT_EQ(about.exec(), row.result);
        EXPECT_FALSE(about.isVisible());
    }
}

}  // namespace
}  // namespace kelvrin

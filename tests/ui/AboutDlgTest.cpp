#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/ui/ModalRun.h"
#include "ui/AboutDlg.h"
#include "ui/ProgramIcons.h"

namespace kelvrin {
namespace {

TEST(AboutDlg, ShowsNameVersionAddressesCreditAndIcons) {
    const CAboutDlg about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Info über Kelvrin"));
    QStringList texts;
    QList<QImage> icons;
    for (const QLabel* label : about.findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) texts << label->text();
        if (!label->pixmap().isNull()) icons << label->pixmap().toImage();
    }
    EXPECT_EQ(texts, QStringList({"Kelvrin - Dravek (TM) Server-Frontend ", "Version 0.22 - beta -",
                                  "download at http://www.kelvrin.example.org", "mail: kelvrin@example.org",
                                  "by the Kelvrin team"}));
    EXPECT_EQ(icons, QList<QImage>(2, DecorativeIcon().toImage())) << "the decorative icon, twice";
    EXPECT_EQ(about.ItemAs<QPushButton>(1)->text(), QStringLiteral("OK"));
}

TEST(AboutDlg, EnterAndEscapeCloseIt) {
    for (const auto& [key, result] : {std::pair{Qt::Key_Return, QDialog::Accepted},
                                      std::pair{Qt::Key_Escape, QDialog::Rejected}}) {
        SCOPED_TRACE(key);
        CAboutDlg about;
        testing::WhenWindowAppears([key = key](QWidget* box) { QTest::keyClick(box, key); });
        EXPECT_EQ(about.exec(), result);
    }
}

}  // namespace
}  // namespace kelvrin

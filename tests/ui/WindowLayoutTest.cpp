// Every window is laid out from its template in dialog units of the desktop's font: at any common
// size every text is whole, and the controls stand inside the window and apart.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/AboutDlg.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/MapSelectionDlg.h"

namespace kelvrin {
namespace {

TEST(WindowLayout, TextsAreWholeAndControlsClearAtEveryFontSize) {
    const QFont previous = QApplication::font();
    testing::TempInstallation install;
    install.MakeFolder("dvbase");
    ServerSettings settings;
    testing::RecordingMessages messages;
    testing::RecordingLauncher launcher;
    testing::RecordingUrlOpener urls;
    for (const int points : {7, 9, 12}) {
        QApplication::setFont(QFont(previous.family(), points));
        std::vector<std::unique_ptr<TemplateDialog>> windows;
        windows.push_back(std::make_unique<CKelvrinDlg>(settings, messages, launcher, urls));
        windows.push_back(std::make_unique<CAboutDlg>());
        windows.push_back(std::make_unique<CAdvancedSettingsDlg>(settings));
        windows.push_back(std::make_unique<CMapSelectionDlg>(settings, messages));
        for (const auto& window : windows) {
            SCOPED_TRACE(window->windowTitle().toStdString() + " at " + std::to_string(points) + " pt");
            const QFontMetrics metrics(window->font());
            const int unitX = qRound(metrics.horizontalAdvance(QStringLiteral(
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0);
            EXPECT_EQ(window->DialogUnitsToPixels(QRect(40, 80, 400, 800)),
                      QRect(10 * unitX, 10 * metrics.height(), 100 * unitX, 100 * metrics.height()));
            QList<QWidget*> controls;
            for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && label->pixmap().isNull()) {
                    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text())) << label->text().toStdString();
                }
                if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                    EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()));
                }
                if (qobject_cast<QGroupBox*>(child) == nullptr) controls.append(child);
            }
            // Controls that stand one above another keep at least 4 px between them.
            for (const QWidget* upper : controls) {
                const QRect a = upper->geometry();
                EXPECT_TRUE(window->rect().contains(a));
                for (const QWidget* lower : controls) {
                    const QRect b = lower->geometry();
                    EXPECT_TRUE(b.top() <= a.top() || b.left() > a.right() || a.left() > b.right() || b.top() - a.bottom() > 4)
                        << a.y() << "+" << a.height() << " over " << b.y();
                }
            }
            if (qobject_cast<CAboutDlg*>(window.get()) == nullptr) {
                EXPECT_TRUE(testing::HasProgramCursor(*window));
            }
        }
    }
    QApplication::setFont(previous);
}

}  // namespace
}  // namespace kelvrin

// The pieces every window is made of: layout from the templates, labels, link labels, message
// boxes, and the command line that starts the program.

#include "app/CommandLine.h"
#include "tests/ui/KelvrinDlgFixture.h"
#include "ui/AboutDlg.h"
#include "ui/AdvancedSettingsDlg.h"
#include "ui/FolderChooser.h"
#include "ui/LinkLabel.h"
#include "ui/MapSelectionDlg.h"
#include "ui/ProgramCursor.h"
#include "ui/QtOperatorMessages.h"

namespace kelvrin::testing {
namespace {

// Every window at 7, 9 and 12 pt: dialog units follow the font, texts are whole, stacked controls
// stand at least 4 px apart, and each label names its field to a screen reader (by the field's
// name, or by the label relation Qt gives an editable drop-down).
TEST(WindowLayout, TextsAreWholeControlsApartAndLabelsNameTheirFields) {
    const QFont previous = QApplication::font();
    TempInstallation install;
    ServerSettings settings;
    RecordingMessages messages;
    RecordingLauncher launcher;
    RecordingUrlOpener urls;
    for (const int points : {7, 9, 12}) {
        QApplication::setFont(QFont(previous.family(), points));
        CKelvrinDlg main(settings, messages, launcher, urls);
        CAboutDlg about;
        CAdvancedSettingsDlg advanced(settings);
        CMapSelectionDlg maps(settings, messages);
        QStringList named;
        for (TemplateDialog* window :
             std::initializer_list<TemplateDialog*>{&main, &about, &advanced, &maps}) {
            SCOPED_TRACE(window->windowTitle().toStdString() + " at " + std::to_string(points) +
                         " pt");
            const QFontMetrics metrics(window->font());
            const int unitX = qRound(metrics.horizontalAdvance(QStringLiteral(
                                         "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                                     52.0);
            EXPECT_EQ(
                window->DialogUnitsToPixels(QRect(40, 80, 400, 800)),
                QRect(10 * unitX, 10 * metrics.height(), 100 * unitX, 100 * metrics.height()));
            QList<QWidget*> controls;
            for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (auto* label = qobject_cast<QLabel*>(child);
                    label != nullptr && label->pixmap().isNull()) {
                    EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()))
                        << label->text().toStdString();
                    if (label->buddy() == nullptr) continue;
                    QAccessibleInterface* field =
                        QAccessible::queryAccessibleInterface(label->buddy());
                    QStringList names{field->text(QAccessible::Name)};
                    for (const auto& relation : field->relations(QAccessible::Label))
                        names << relation.first->text(QAccessible::Name);
                    if (names.contains(label->text())) named << label->text();
                }
                if (auto* button = qobject_cast<QAbstractButton*>(child)) {
                    EXPECT_GT(button->width(),
                              button->fontMetrics().horizontalAdvance(button->text()));
                }
                if (qobject_cast<QGroupBox*>(child) == nullptr) controls.append(child);
            }
            // Controls that stand one above another keep at least 4 px between them.
            for (const QWidget* upper : controls) {
                const QRect a = upper->geometry();
                EXPECT_TRUE(window->rect().contains(a));
                for (const QWidget* lower : controls) {
                    const QRect b = lower->geometry();
                    EXPECT_TRUE(b.top() <= a.top() || b.left() > a.right() ||
                                a.left() > b.right() || b.top() - a.bottom() > 4)
                        << a.y() << "+" << a.height() << " over " << b.y();
                }
            }
            EXPECT_EQ(HasProgramCursor(*window), window != &about);
        }
        EXPECT_EQ(named,
                  QStringList({"Server Name", "Game Type", "Game Base", "Speed", "max.Players",
                               "Time Limit", "Frag Limit", "Capture Limit", "Tourney Limit",
                               "Countdown", "Admin Password", "Client Password", "ZombieTimeout",
                               "ClientTimeout", "ClientRate", "MaxUsercmdRelay", "selected maps"}));
    }
    QApplication::setFont(previous);
}

TEST(QtOperatorMessages, MessagesAndTheQuestionLookAsTheyShould) {
    const struct {
        bool question;
        Qt::Key key;
        QString caption;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        bool answer;
    } rows[] = {
        {false, Qt::Key_Return, "ui_tests", QMessageBox::NoIcon, QMessageBox::Ok, false},
        {true, Qt::Key_Return, "Question", QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
         true},
        {true, Qt::Key_N, "Question", QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
         false},
    };
    for (const auto& row : rows) {
        QtOperatorMessages messages(nullptr);
        std::tuple<QString, QMessageBox::Icon, QMessageBox::StandardButtons, Qt::TextFormat,
                   QString>
            seen;
        testing::WhenWindowAppears([&seen, key = row.key](QWidget* modal) {
            if (auto* box = qobject_cast<QMessageBox*>(modal))
                seen = {box->windowTitle(), box->icon(), box->standardButtons(), box->textFormat(),
                        box->text()};
            QTest::keyClick(modal, key);
        });
        const bool answer =
            row.question ? messages.AskYesNo("Save <b>changed</b> configuration ?", "Question")
                         : (messages.Show("Save <b>changed</b> configuration ?"), false);
        EXPECT_EQ(seen, std::tuple(row.caption, row.icon, row.buttons, Qt::PlainText,
                                   QString("Save <b>changed</b> configuration ?")));
        EXPECT_EQ(answer, row.answer);
    }
}

// The start directory a command line leads to, and whether it asks for the folder first.
TEST(CommandLineStart, EntersTheDirectoryGivenOrChosen) {
    // "@" stands for an existing folder "game"; the dialog is "" (none expected), "pick" or
    // "cancel"; the current directory afterwards is given below the start.
    const struct {
        QStringList arguments;
        std::string dialog;
        bool started;
        std::string directory;
    } cases[] = {
        {{"kelvrin"}, "", true, ""},
        {{"kelvrin", "@"}, "", true, "/game"},
        {{"kelvrin", "--choose-folder", "@"}, "", true, "/game"},
        {{"kelvrin", "--choose-folder"}, "pick", true, "/game"},
        {{"kelvrin", "--choose-folder"}, "cancel", false, ""},
    };
    for (const auto& c : cases) {
        testing::TempInstallation install;
        install.MakeFolder("game");
        const QString game = QString::fromStdString(install.PathOf("game").string());
        QStringList arguments = c.arguments;
        arguments.replaceInStrings("@", game);
        std::vector<std::string> words;
        for (const QString& argument : arguments) words.push_back(argument.toStdString());
        std::ostringstream out;
        const CommandLine commandLine = ReadCommandLine(words, out, out);
        if (commandLine.chooseFolder) {
            testing::WhenWindowAppears([&](QWidget* window) {
                auto* dialog = qobject_cast<QFileDialog*>(window);
                if (dialog == nullptr || c.dialog == "cancel") return void(window->close());
                dialog->setDirectory(game);
                static_cast<QDialog*>(dialog)->accept();  // takes the directory shown; public there
            });
        }
        const bool started =
            !commandLine.exitCode && (!commandLine.chooseFolder || ChooseStartDirectory());

        EXPECT_EQ(std::tuple(commandLine.chooseFolder, started, testing::CurrentDirectoryNow()),
                  std::tuple(!c.dialog.empty(), c.started, install.Root() + c.directory))
            << (c.arguments.join(' ').toStdString() + " " + c.dialog);
    }
}

}  // namespace
}  // namespace kelvrin::testing

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QStringList>

#include <string>

#include "tests/support/TempInstallation.h"
#include "tests/ui/ModalRun.h"
#include "ui/CommandLine.h"

namespace kelvrin {
namespace {

// The start directory a command line leads to, and whether it asks for the folder first.
TEST(CommandLineStart, EntersTheDirectoryGivenOrChosen) {
    struct Case {
        QStringList arguments;  // "@" stands for an existing folder "game"
        std::string dialog;     // "": no dialog expected; "pick" the folder, or "cancel"
        bool started;
        std::string directory;  // the current directory afterwards, below the start
    };
    const Case cases[] = {
        {{"kelvrin"}, "", true, ""},
        {{"kelvrin", "@"}, "", true, "/game"},
        {{"kelvrin", "--choose-folder", "@"}, "", true, "/game"},
        {{"kelvrin", "--choose-folder"}, "pick", true, "/game"},
        {{"kelvrin", "--choose-folder"}, "cancel", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString() + " " + c.dialog);
        testing::TempInstallation install;
        install.MakeFolder("game");
        const QString game = QString::fromStdString(install.PathOf("game").string());
        QStringList arguments = c.arguments;
        arguments.replaceInStrings("@", game);
        const CommandLine commandLine = ReadCommandLine(arguments);
        if (commandLine.chooseFolder) {
            testing::WhenWindowAppears([&](QWidget* window) {
                auto* dialog = qobject_cast<QFileDialog*>(window);
                if (dialog == nullptr || c.dialog == "cancel") return void(window->close());
                dialog->setDirectory(game);
                static_cast<QDialog*>(dialog)->accept();  // takes the directory shown; public there
            });
        }
        const bool started = !commandLine.exitCode && (!commandLine.chooseFolder || ChooseStartDirectory());

        EXPECT_EQ(commandLine.chooseFolder, !c.dialog.empty());
        EXPECT_EQ(started, c.started);
        EXPECT_EQ(testing::CurrentDirectoryNow(), install.Root() + c.directory);
    }
}

}  // namespace
}  // namespace kelvrin

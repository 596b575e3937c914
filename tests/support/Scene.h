#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <source_location>
#include <string>
#include <type_traits>
#include <vector>

#include "dialogs/DialogIds.h"
#include "tests/support/Recorders.h"
#include "tests/support/RecordingView.h"
#include "tests/support/Standing.h"

namespace kelvrin::testing {

class RecordingLinks : public LinkOpener {
public:
    void Open(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

// What a test of the windows' rules acts on: a start directory with the default game folder, a
// store read from nowhere yet, the services the windows speak through (recorded), and the window
// of a dialog opened on a recording view.
struct Scene {
    Scene();

    TempInstallation installation;
    ServerSettings settings;
    RecordingLauncher launcher;
    RecordingRunner runner;
    RecordingLinks links;
    std::unique_ptr<Dialog> dialog;
    std::unique_ptr<RecordingView> window;
    RecordingView* view = nullptr;  // the window acted on: the dialog's, or a sub-dialog's
};

using S = ServerSettings;

// One step of a case: an action of the operator, or a check of what is seen then. Each is a
// call the compiler checks; a check names where it was written, so that a failure points at
// the row that holds it.
using Step = std::function<void(Scene&)>;
using Where = std::source_location;

// A case of a table: what stands in the start directory, then the steps.
struct Case : Named {
    std::vector<Standing> standing;
    std::vector<Step> steps;
};

// A case by a function, so that its parts lie on as few lines as they need.
inline Case CaseOf(std::string name, std::vector<Standing> standing, std::vector<Step> steps) {
    return {{std::move(name)}, std::move(standing), std::move(steps)};
}
inline Case CaseOf(std::string name, std::vector<Step> steps) {
    return CaseOf(std::move(name), {}, std::move(steps));
}

class SceneTest : public ::testing::TestWithParam<Case> {
protected:
    void RunCase();
};

// The window: the main window, the map dialog or the advanced dialog opened anew on the store;
// the main window's store shown in its controls, and its controls collected into the store.
Step OpenMain();
Step OpenMaps();
Step OpenAdvanced();
Step ShowStore();
Step CollectControls();
// The store changed before the window opens (or shows it again).
Step Store(std::function<void(ServerSettings&)> change);
Step Remove(std::string path);

// The operator's actions (see RecordingView); a tick is set without an event; the answer is
// the one given to the next question.
Step Click(int id);
Step Pick(int id, std::string item);
Step PickRow(int id, int row);
Step DoubleClick(int id, int row);
Step Type(int id, std::string text);
Step Focus(int id);
Step Tick(int id, bool ticked);
Step Answer(bool yes);
// Steps taken in the next sub-dialog the window runs.
Step InNextDialog(std::vector<Step> steps);
// The steps, then more.
std::vector<Step> Then(std::vector<Step> steps, const std::vector<Step>& more);

// What is seen.
Step TextIs(int id, std::string text, Where where = Where::current());
Step CheckedIs(int id, bool checked, Where where = Where::current());
Step EnabledIs(int id, bool enabled, Where where = Where::current());
Step ItemsAre(int id, std::vector<std::string> items, Where where = Where::current());
Step ChosenIs(int id, int row, Where where = Where::current());
Step MessagesAre(Shown shown, Where where = Where::current());
Step QuestionsAre(std::vector<Question> asked, Where where = Where::current());
Step ClosedAs(std::optional<bool> accepted, Where where = Where::current());
Step DialogsRan(std::vector<int> templates, Where where = Where::current());
Step LinksOpened(std::vector<std::string> targets, Where where = Where::current());
Step GamesStarted(std::vector<std::string> launches, Where where = Where::current());
Step FileHolds(std::string path, std::optional<std::string> bytes, Where where = Where::current());
// The value dvbase/kelvrin.cfg gives a setting; nothing: no such line.
Step ConfigHolds(std::string name, std::optional<std::string> value,
                 Where where = Where::current());
Step ChangedIs(bool changed, Where where = Where::current());
template <typename Field>
Step Stored(Field ServerSettings::*field, std::type_identity_t<Field> value,
            Where where = Where::current()) {
    return [=](Scene& scene) {
        SCOPED_TRACE(::testing::Message() << where.file_name() << ":" << where.line());
        EXPECT_EQ(scene.settings.*field, value);
    };
}

}  // namespace kelvrin::testing

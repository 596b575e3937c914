#include "tests/support/Scene.h"

#include <algorithm>

#include "dialogs/AdvancedSettingsDlg.h"
#include "dialogs/KelvrinDlg.h"
#include "dialogs/MapSelectionDlg.h"

namespace kelvrin::testing {

namespace {

Step Opening(std::function<std::unique_ptr<Dialog>(Scene&)> make) {
    return [=](Scene& scene) {
        scene.window.reset();
        scene.dialog = make(scene);
        scene.window = std::make_unique<RecordingView>(*scene.dialog);
        scene.view = scene.window.get();
    };
}

// A check, traced to the line that wrote it.
template <typename Seen, typename Expected>
Step Check(Seen seen, Expected expected, Where where) {
    return [=](Scene& scene) {
        SCOPED_TRACE(::testing::Message() << where.file_name() << ":" << where.line());
        EXPECT_EQ(seen(scene), expected);
    };
}

CKelvrinDlg& Main(Scene& scene) { return dynamic_cast<CKelvrinDlg&>(*scene.dialog); }

}  // namespace

Scene::Scene() : settings(installation.Settings()) {
    installation.MakeFolder("dvbase");
    launcher.expected = installation.Root();
}

void SceneTest::RunCase() {
    Scene scene;
    for (const Standing& standing : GetParam().standing) standing(scene.installation);
    for (const Step& step : GetParam().steps) step(scene);
}

Step OpenMain() {
    return Opening([](Scene& s) {
        return std::make_unique<CKelvrinDlg>(s.settings, s.launcher, s.runner, s.links);
    });
}
Step OpenMaps() {
    return Opening([](Scene& s) { return std::make_unique<CMapSelectionDlg>(s.settings); });
}
Step OpenAdvanced() {
    return Opening([](Scene& s) { return std::make_unique<CAdvancedSettingsDlg>(s.settings); });
}
Step ShowStore() {
    return [](Scene& scene) { Main(scene).ShowSettings(); };
}
Step CollectControls() {
    return [](Scene& scene) { Main(scene).CollectSettings(); };
}
Step Store(std::function<void(ServerSettings&)> change) {
    return [=](Scene& scene) { change(scene.settings); };
}
Step Remove(std::string path) {
    return [=](Scene& scene) { std::filesystem::remove_all(scene.installation.PathOf(path)); };
}

// As a renderer reports the operator's actions: the control's state changes, then its event.
Step Click(int id) {
    return [=](Scene& scene) {
        // An id no control has is a command of its own: Escape's cancel, a system-menu entry.
        const DialogTemplate& shown = *FindDialogTemplate(scene.view->dialog.TemplateId());
        const ControlTemplate* control = shown.Control(id);
        if (control != nullptr && control->kind == ControlKind::Check) {
            scene.view->State(id).checked = !scene.view->Checked(id);
        }
        scene.view->dialog.Clicked(id);
    };
}
Step PickRow(int id, int row) {
    return [=](Scene& scene) {
        scene.view->Select(id, row);
        scene.view->dialog.Picked(id);
    };
}
Step Pick(int id, std::string item) {
    return [=](Scene& scene) {
        const std::vector<std::string>& items = scene.view->Items(id);
        const auto named = std::find(items.begin(), items.end(), item);
        ASSERT_NE(named, items.end()) << "control " << id << " holds no item " << item;
        PickRow(id, static_cast<int>(named - items.begin()))(scene);
    };
}
Step DoubleClick(int id, int row) {
    return [=](Scene& scene) {
        scene.view->Select(id, row);
        scene.view->dialog.DoubleClicked(id);
    };
}
Step Type(int id, std::string text) {
    return [=](Scene& scene) {
        scene.view->State(id).text = text;
        scene.view->dialog.Edited(id);
    };
}
Step Focus(int id) {
    return [=](Scene& scene) { scene.view->dialog.Focused(id); };
}
Step Tick(int id, bool ticked) {
    return [=](Scene& scene) { scene.view->SetChecked(id, ticked); };
}
Step Answer(bool yes) {
    return [=](Scene& scene) { scene.view->messages.answers.push_back(yes); };
}
Step InNextDialog(std::vector<Step> steps) {
    return [=](Scene& scene) {
        scene.runner.operators.push_back([&scene, steps](RecordingView& sub) {
            RecordingView* const owner = scene.view;
            scene.view = &sub;
            for (const Step& step : steps) step(scene);
            scene.view = owner;
        });
    };
}

std::vector<Step> Then(std::vector<Step> steps, const std::vector<Step>& more) {
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

Step TextIs(int id, std::string text, Where where) {
    return Check([=](Scene& s) { return s.view->Text(id); }, text, where);
}
Step CheckedIs(int id, bool checked, Where where) {
    return Check([=](Scene& s) { return s.view->Checked(id); }, checked, where);
}
Step EnabledIs(int id, bool enabled, Where where) {
    return Check([=](Scene& s) { return s.view->Enabled(id); }, enabled, where);
}
Step ItemsAre(int id, std::vector<std::string> items, Where where) {
    return Check([=](Scene& s) { return s.view->Items(id); }, items, where);
}
Step ChosenIs(int id, int row, Where where) {
    return Check([=](Scene& s) { return s.view->Selection(id); }, row, where);
}
Step MessagesAre(Shown shown, Where where) {
    return Check([](Scene& s) { return s.view->messages.shown; }, shown, where);
}
Step QuestionsAre(std::vector<Question> asked, Where where) {
    return Check([](Scene& s) { return s.view->messages.asked; }, asked, where);
}
Step ClosedAs(std::optional<bool> accepted, Where where) {
    return Check([](Scene& s) { return s.view->closed; }, accepted, where);
}
Step DialogsRan(std::vector<int> templates, Where where) {
    return Check([](Scene& s) { return s.runner.ran; }, templates, where);
}
Step LinksOpened(std::vector<std::string> targets, Where where) {
    return Check([](Scene& s) { return s.links.opened; }, targets, where);
}
Step GamesStarted(std::vector<std::string> launches, Where where) {
    return Check([](Scene& s) { return s.launcher.launches; }, launches, where);
}
Step FileHolds(std::string path, std::optional<std::string> bytes, Where where) {
    return Check([=](Scene& s) { return BytesOf(s.installation, path); }, bytes, where);
}
Step ConfigHolds(std::string name, std::optional<std::string> value, Where where) {
    return Check(
        [=](Scene& s) -> std::optional<std::string> {
            const std::string config =
                "\n" + BytesOf(s.installation, "dvbase/kelvrin.cfg").value_or("");
            const std::string line = "\nset " + name + " \"";
            const std::size_t at = config.find(line);
            if (at == std::string::npos) return std::nullopt;
            const std::size_t start = at + line.size();
            return config.substr(start, config.find("\"\r\n", start) - start);
        },
        value, where);
}
Step ChangedIs(bool changed, Where where) {
    return Check([](Scene& s) { return s.settings.settingsChanged; }, changed, where);
}
}  // namespace kelvrin::testing

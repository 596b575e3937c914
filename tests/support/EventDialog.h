#pragma once

#include <ostream>
#include <vector>

#include "dialogs/Dialog.h"

namespace kelvrin::testing {

enum class EventKind { Clicked, Picked, Edited, DoubleClicked, Focused };

// One event a window handed its dialog, and which control raised it.
struct Event {
    EventKind kind;
    int control;

    bool operator==(const Event&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Event& event);

// A dialog of any template that does nothing but note the events its window hands it.
class EventDialog : public Dialog {
public:
    explicit EventDialog(int templateId) : Dialog(templateId) {}

    void Clicked(int id) override { events.push_back({EventKind::Clicked, id}); }
    void Picked(int id) override { events.push_back({EventKind::Picked, id}); }
    void Edited(int id) override { events.push_back({EventKind::Edited, id}); }
    void DoubleClicked(int id) override { events.push_back({EventKind::DoubleClicked, id}); }
    void Focused(int id) override { events.push_back({EventKind::Focused, id}); }

    std::vector<Event> events;

protected:
    void OnInitDialog() override {}
};

// What the dialog layer relies on from every view (see DialogView), checked on a view of the main
// window's template and one of the map dialog's, each over an EventDialog. Runs on the recording
// view, the Qt window and the Win32 window alike, so that none drifts from the others.
void CheckMainWindowView(DialogView& view, const EventDialog& dialog);
void CheckMapDialogView(DialogView& view, const EventDialog& dialog);

}  // namespace kelvrin::testing

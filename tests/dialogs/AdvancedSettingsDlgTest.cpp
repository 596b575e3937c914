// The advanced settings dialog on a recording view: what it shows, what OK stores, and that
// Cancel stores nothing.
#include "tests/support/Scene.h"

namespace kelvrin::testing {
namespace {

using namespace advanced;

class AdvancedSettings : public SceneTest {};
TEST_P(AdvancedSettings, Runs) { RunCase(); }

// The store before opening: a negative time-out and a fourth master server of its own.
const Step kStored = Store([](S& s) {
    s.net_serverZombieTimeout = -5;
    s.sv_master4 = "four";
});

// It shows the store; with the LAN switch on the master edits are disabled but filled in, and a
// stored client rate outside the list shows no entry.
std::vector<Step> Shown(bool lan, std::string clientRate, Where where = Where::current()) {
    std::vector<Step> steps = {kStored,
                               Store([=](S& s) {
                                   s.net_LANServer = lan ? 1 : 0,
                                   s.net_serverMaxClientRate = lan ? 3 : 10;
                               }),
                               OpenAdvanced(),
                               TextIs(kWindowItem, "Kelvrin - Advanced Settings", where),
                               TextIs(kZombieTimeout, "-5", where),
                               TextIs(kMaxUsercmdRelay, "3", where),
                               TextIs(kClientTimeout, "60", where),
                               CheckedIs(kAllowServerMod, false, where),
                               TextIs(kMaster1, "master.dravek.example.org", where),
                               TextIs(kMaster4, "four", where),
                               TextIs(kMaster5, "", where),
                               TextIs(kClientRate, clientRate, where)};
    for (const int master : {kMaster1, kMaster2, kMaster3, kMaster4, kMaster5}) {
        steps.push_back(EnabledIs(master, !lan, where));
    }
    return steps;
}

// OK stores what the operator changed and leaves the rest and settingsChanged as they were,
// disabled edits included; Cancel stores nothing.
template <typename Field>
std::vector<Step> Edit(Step act, int button, Field S::*field, std::type_identity_t<Field> value,
                       Where where = Where::current()) {
    return {kStored,
            Store([](S& s) { s.settingsChanged = true; }),
            OpenAdvanced(),
            act,
            Click(button),
            Stored(field, value, where),
            Stored(&S::net_serverZombieTimeout, -5, where),
            Stored(&S::sv_master4, "four", where),
            ChangedIs(true, where),
            ClosedAs(button == kOk, where)};
}

const Case kCases[] = {
    CaseOf("LAN server", Shown(true, "19000")),
    CaseOf("internet server, rate out of the list", Shown(false, "")),
    CaseOf("rate chosen", Edit(Pick(kClientRate, "25000"), kOk, &S::net_serverMaxClientRate, 9)),
    CaseOf("rate out of the list",
           Edit(Type(kClientRate, "15000"), kOk, &S::net_serverMaxClientRate, -1)),
    CaseOf("relay emptied",
           Edit(Type(kMaxUsercmdRelay, ""), kOk, &S::net_serverMaxUsercmdRelay, 0)),
    CaseOf("time-out, letters",
           Edit(Type(kClientTimeout, "71x-"), kOk, &S::net_serverClientTimeout, 71)),
    CaseOf("master of 120 characters",
           Edit(Type(kMaster3, std::string(120, 'h')), kOk, &S::sv_master3, std::string(99, 'h'))),
    CaseOf("server mod ticked", Edit(Click(kAllowServerMod), kOk, &S::net_serverAllowServerMod, 1)),
    CaseOf("master typed, Cancel",
           Edit(Type(kMaster1, "other"), kCancel, &S::sv_master1, "master.dravek.example.org")),
    CaseOf("server mod, Cancel",
           Edit(Click(kAllowServerMod), kCancel, &S::net_serverAllowServerMod, 0)),
};
INSTANTIATE_TEST_SUITE_P(Cases, AdvancedSettings, ::testing::ValuesIn(kCases), RowName());

}  // namespace
}  // namespace kelvrin::testing

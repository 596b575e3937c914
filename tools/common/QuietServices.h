#pragma once

#include <cstdio>
#include <string>

#include "dialogs/Dialog.h"
#include "launch/ProgramLauncher.h"

// Stand-ins for the program's services in the tools, which open windows nobody looks at:
// nothing is started, opened or run over them.
namespace kelvrin::tools {

class NoLauncher : public ProgramLauncher {
public:
    Launch Start(const std::string&, const std::string&, const std::string&) override { return {}; }
};

class NoLinks : public LinkOpener {
public:
    void Open(const std::string&) override {}
};

class NoDialogs : public DialogRunner {
public:
    bool RunModal(Dialog&) override { return false; }
};

}  // namespace kelvrin::tools

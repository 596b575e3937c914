#pragma once

#include <cstdio>
#include <string>

#include "dialogs/Dialog.h"
#include "launch/ProgramLauncher.h"
#include "messages/OperatorMessages.h"

// Stand-ins for the program's services in the tools, which open windows nobody looks at:
// a message goes to standard error, a question is answered No, nothing is started, opened or
// run over them.
namespace kelvrin::tools {

class QuietMessages : public OperatorMessages {
public:
    void Show(const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

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

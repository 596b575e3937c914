#include "messages/Result.h"

namespace kelvrin {

namespace {

// Built by appending: "\"" + name + "\"" draws a false -Wrestrict from GCC 12 at -O3.
std::string Quoted(const std::string& name) {
    std::string quoted(1, '"');
    quoted.append(name).push_back('"');
    return quoted;
}

class RefusalCategory : public std::error_category {
public:
    const char* name() const noexcept override { return "kelvrin"; }
    std::string message(int value) const override {
        switch (static_cast<Refusal>(value)) {
            case Refusal::WineMissing:
                return "a Windows program, and no wine to start it (install the package wine)";
            case Refusal::ControlCharacterInName:
                return "the game folder's name holds a control character";
            case Refusal::NameNotInCodePage:
                return "the command processor's code page cannot spell the game folder's name";
        }
        return "unknown reason";
    }
};

}  // namespace

std::error_code MakeReason(Refusal refusal) {
    static const RefusalCategory category;
    return {static_cast<int>(refusal), category};
}

bool Result::Failed() const {
    return outcome != Outcome::Done && outcome != Outcome::ConfigSaved &&
           outcome != Outcome::GameStarted;
}

std::string OperatorMessage(const Result& result) {
    const std::string& subject = result.subject;
    switch (result.outcome) {
        case Outcome::Done:
        case Outcome::GameStarted:
            return {};
        case Outcome::ConfigSaved:
            return "Config file \"kelvrin.cfg\" and batch file " + Quoted(subject) + " written";
        case Outcome::ConfigTooLong:
            return "your cfg is too long ! Please use shorter names/passwords !";
        case Outcome::FolderNotChanged:
            return "can't change to subdirectory " + Quoted(subject);
        case Outcome::FolderNotOpened:
            return "can't open subdirectory " + Quoted(subject) + " !";
        case Outcome::ConfigNotWritten:
            return "can't write \"kelvrin.cfg\"!";
        case Outcome::ServerConfigNotWritten:
            return "can't write server-config ...";
        case Outcome::BatchNotWritten:
            return "can't write " + Quoted(subject) + "!";
        case Outcome::GameNotStarted:
            return "can't start " + Quoted(subject);
        case Outcome::MapListTooLong:
            return "your maplist is too long !!!";
        case Outcome::MapCycleNotWritten:
            return "can't write \"kelvrin.scriptcfg\" !";
        case Outcome::NoMapSelected:
            return "Please select at least one map ( startmap ) or press \"Cancel\"";
        case Outcome::NoGameFolders:
            return "can't find game folders in the current directory !\n"
                   "Please execute \"kelvrin.exe\" in your Dravek(TM) folder...";
    }
    return {};
}

}  // namespace kelvrin

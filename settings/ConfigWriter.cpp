#include "settings/ConfigWriter.h"

#include "settings/SettingDescription.h"

namespace kelvrin {

namespace {

// Builds the text piece by piece, leaving out a piece that would not fit the capacity
// together with the terminating zero of the original buffer.
class BoundedText {
public:
    explicit BoundedText(std::size_t capacity) : capacity_(capacity) {}

    bool Append(std::string_view piece) {
        if (text_.size() + piece.size() >= capacity_) return false;
        text_ += piece;
        return true;
    }

    std::string Take() { return std::move(text_); }

private:
    std::size_t capacity_;
    std::string text_;
};

std::string_view TextValue(const std::string& value) {
    return std::string_view(value).substr(0, kMaxWrittenTextLength);
}

std::string_view SwitchValue(std::int32_t value) { return value != 0 ? "1" : "0"; }

std::string_view GameTypeName(std::int32_t index) {
    // An index the window could not give still writes a name the game knows.
    if (index < 0 || index >= static_cast<std::int32_t>(kGameTypeNames.size())) return "DM";
    return kGameTypeNames[static_cast<std::size_t>(index)];
}

class ConfigComposer {
public:
    explicit ConfigComposer(std::size_t capacity) : text_(capacity) {}

    void Line(std::string_view prefix, std::string_view name, std::string_view separator,
              std::string_view value) {
        text_.Append(prefix);
        text_.Append(name);
        text_.Append(separator);
        text_.Append("\"");
        text_.Append(value);
        text_.Append("\"");
        text_.Append("\n");
    }
    void Set(std::string_view name, std::string_view value) { Line("set ", name, " ", value); }
    void Set(std::string_view name, std::int32_t value) { Set(name, std::to_string(value)); }
    bool Word(std::string_view word) { return text_.Append(word); }

    std::string Take() { return text_.Take(); }

private:
    BoundedText text_;
};

}  // namespace

std::optional<std::string> ComposeServerConfig(ServerSettings& settings, std::size_t capacity) {
    ServerSettings s = settings;
    // Deathmatch and Tourney have no teams, so the team switches go off with them.
    if (s.gameTypeIndex == 0 || s.gameTypeIndex == 4) {
        s.si_autobalance = 0;
        s.si_shuffle = 0;
        s.si_teamDamage = 0;
    }

    ConfigComposer cfg(capacity);
    cfg.Set("si_name", TextValue(s.si_name));
    cfg.Set("gui_configServerRate", s.gui_configServerRate);
    cfg.Set("net_serverRemoteConsolePassword", TextValue(s.net_serverRemoteConsolePassword));
    cfg.Set("si_gameType", GameTypeName(s.gameTypeIndex));
    cfg.Set("si_maxPlayers", s.si_maxPlayers);
    cfg.Set("si_minPlayers", s.si_minPlayers);
    cfg.Set("g_password", TextValue(s.g_password));
    for (const NumberSetting& row : kLimitSettings) cfg.Set(row.name, s.*row.field);
    for (std::size_t row = 1; row < kSwitchSettings.size(); ++row) {
        cfg.Set(kSwitchSettings[row].name, SwitchValue(s.*kSwitchSettings[row].field));
    }
    if (s.logFile != 0) cfg.Set(kLogFileNameVariable, "kelvrin.log");
    // The game must not run the cycle from this file; the reader takes the switch back from here.
    cfg.Line("//set ", "si_mapCycle", " ", SwitchValue(s.si_mapCycle));
    cfg.Set(kUsePassVariable, s.g_password.empty() ? "0" : "1");
    cfg.Set("si_map", TextValue(s.si_map));
    cfg.Set(kMapCycleVariable, "");
    if (s.net_LANServer == 0) {
        const std::string* masters[] = {&s.sv_master1, &s.sv_master2, &s.sv_master3, &s.sv_master4,
                                        &s.sv_master5};
        for (std::size_t number = 0; number < std::size(masters); ++number) {
            if (masters[number]->empty()) continue;
            const std::string name = "sv_master" + std::to_string(number + 1);
            cfg.Line("set ", name, "  ", TextValue(*masters[number]));
        }
    }
    cfg.Word(kSpawnCommand);
    // Only when the very last line feed fits is the text whole.
    if (!cfg.Word("\n")) return std::nullopt;
    settings.si_autobalance = s.si_autobalance;
    settings.si_shuffle = s.si_shuffle;
    settings.si_teamDamage = s.si_teamDamage;
    return cfg.Take();
}

void NormaliseSettings(ServerSettings& settings) {
    const std::int32_t fewest = PlayerCountOfIndex(0);
    const std::int32_t most =
        PlayerCountOfIndex(static_cast<int>(std::size(kPlayerCountEntries)) - 1);
    if (settings.si_minPlayers > most || settings.si_minPlayers < fewest) {
        settings.si_minPlayers = fewest;
    }
    if (settings.si_maxPlayers > most || settings.si_maxPlayers < fewest) {
        settings.si_maxPlayers = most;
    }
    const auto lastSpeed = static_cast<std::int32_t>(std::size(kSpeedEntries)) - 1;
    if (settings.gui_configServerRate > lastSpeed) settings.gui_configServerRate = lastSpeed;
    if (settings.gameTypeIndex >= static_cast<std::int32_t>(kGameTypeNames.size())) {
        settings.gameTypeIndex = 0;
    }
    if (settings.si_minPlayers > settings.si_maxPlayers) {
        settings.si_minPlayers = settings.si_maxPlayers;
    }
}

}  // namespace kelvrin

// The operator's own lines of kelvrin.cfg, which a save keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/ConfigWriter.h"
#include "settings/KeptLines.h"
#include "tests/support/Standing.h"

namespace kelvrin::testing {
namespace {

struct KeptCase : Named {
    std::string file;
    std::vector<std::string> kept;
    bool lanServer = true;  // off: the composed text carries the first master server
};

class KeptLinesOf : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptLinesOf, AFileThatStands) {
    ServerSettings settings;
    settings.net_LANServer = GetParam().lanServer ? 1 : 0;
    const std::string composed = ComposeServerConfig(settings).value();
    EXPECT_EQ(KeptLines(GetParam().file, composed), GetParam().kept);
}

const KeptCase kKept[] = {
    {"another variable, seta, bind, exec, a comment, a blank line",
     "set net_port \"27961\"\nseta r_mode \"3\"\nbind x \"say hi\"\nexec more.cfg\n\n// mine\n",
     {"set net_port \"27961\"", "seta r_mode \"3\"", "bind x \"say hi\"", "exec more.cfg", "",
      "// mine"}},
    {"Kelvrin's own settings, in any letter case and by any set",
     "set si_name \"Two\"\nSETA SI_FRAGLIMIT \"3\"\n  sets\tlogFileName x\nsetu si_usePass 1\n",
     {}},
    {"the map-cycle comment and spawnserver",
     "//set si_mapCycle \"1\"\n// set si_mapCycle \"0\"\nspawnserver\n",
     {}},
    {"a line the reader would take a setting from",
     "// sv_master2 \"backup\"\n// si_name \"x\"\n",
     {"// si_name \"x\""}},
    {"a master server the text carries", "// sv_master1 \"x\"\n", {"// sv_master1 \"x\""}, false},
    {"a last line without its end, bytes as they stand", "echo caf\xe9\r", {"echo caf\xe9\r"}},
};
INSTANTIATE_TEST_SUITE_P(Lines, KeptLinesOf, ::testing::ValuesIn(kKept), RowName());

}  // namespace
}  // namespace kelvrin::testing

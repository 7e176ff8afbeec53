#include "tests/e2e/scenario_file.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using Kind = SetupItem::Kind;
using Strings = std::vector<std::string>;

const char kGoodFile[] = R"(# Shared set-up
=== machine
[Setup]
Lang=en

=== drive C
=== dir c:\Windows\System
=== file d:\SETUP\setup.inf crlf
[Files]
a=1
=== program d:/SETUP/Setup.EXE

=== scenario first-run
# a comment after a header
--- env
LANG=C
SETUP_PREFIX={prefix}/missing
EMPTY=
--- script
# kept for the program
click Next
--- exit 0
--- transcript
page Welcome

--- stderr
warning
--- file-content c:\out.txt
hello
--- no-file c:\bad.txt
--- profile-values c:\WINDOWS\ISCII.INI
[S]
K=v
--- same-as c:\copied.txt
samples/file.txt

=== file c:\Later Files\later.txt
=== scenario second_2
--- layer-only wine's own reason
--- machine
--- copy d:\SETUP
samples/medium
--- file c:\Temp\x.txt
x
--- drive e
--- script-file samples/demo.script
--- exit 255
)";

TEST(ScenarioFileTest, ReadsSharedSetupAndScenarios) {
  ParseResult result = parseScenarioFile(kGoodFile);
  ASSERT_FALSE(result.error) << result.error->line << ": " << result.error->message;
  const ScenarioFile& file = result.file;
  EXPECT_EQ(file.machine, "[Setup]\nLang=en\n");
  ASSERT_EQ(file.setup.size(), 4u);
  EXPECT_EQ(file.setup[0].kind, Kind::kDrive);
  EXPECT_EQ(file.setup[0].path.drive, 'c');
  EXPECT_EQ(file.setup[1].kind, Kind::kDir);
  EXPECT_EQ(file.setup[1].path.parts, (Strings{"Windows", "System"}));
  EXPECT_EQ(file.setup[2].kind, Kind::kFile);
  EXPECT_EQ(file.setup[2].path.parts, (Strings{"SETUP", "setup.inf"}));
  EXPECT_EQ(file.setup[2].content, "[Files]\r\na=1\r\n");
  EXPECT_EQ(file.setup[3].path.parts, (Strings{"Later Files", "later.txt"}));
  EXPECT_EQ(file.setup[3].content, "");
  ASSERT_TRUE(file.program);
  EXPECT_EQ(file.program->drive, 'd');
  EXPECT_EQ(file.program->parts, (Strings{"SETUP", "Setup.EXE"}));
  ASSERT_EQ(file.scenarios.size(), 2u);

  const Scenario& first = file.scenarios[0];
  EXPECT_EQ(first.name, "first-run");
  EXPECT_EQ(first.line, 13);
  EXPECT_FALSE(first.machine);
  using Env = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(first.env, (Env{{"LANG", "C"}, {"SETUP_PREFIX", "{prefix}/missing"}, {"EMPTY", ""}}));
  EXPECT_EQ(first.script, "# kept for the program\nclick Next\n");
  EXPECT_EQ(first.exitStatus, 0);
  EXPECT_EQ(first.transcript, (Strings{"page Welcome"}));
  EXPECT_EQ(first.stderrLines, (Strings{"warning"}));
  ASSERT_EQ(first.files.size(), 4u);
  EXPECT_TRUE(first.files[0].mustExist);
  EXPECT_EQ(first.files[0].path.parts, (Strings{"out.txt"}));
  EXPECT_EQ(first.files[0].lines, (Strings{"hello"}));
  EXPECT_FALSE(first.files[0].profileValues);
  EXPECT_FALSE(first.files[1].mustExist);
  EXPECT_TRUE(first.files[2].profileValues);
  EXPECT_EQ(first.files[2].lines, (Strings{"[S]", "K=v"}));
  EXPECT_EQ(first.files[3].sameAs, "samples/file.txt");
  EXPECT_EQ(first.layerOnly, "");

  const Scenario& second = file.scenarios[1];
  EXPECT_EQ(second.machine, "");
  ASSERT_EQ(second.setup.size(), 3u);
  EXPECT_EQ(second.setup[0].kind, Kind::kCopy);
  EXPECT_EQ(second.setup[0].path.parts, (Strings{"SETUP"}));
  EXPECT_EQ(second.setup[0].content, "samples/medium");
  EXPECT_EQ(second.setup[1].content, "x\n");
  EXPECT_EQ(second.setup[2].path.drive, 'e');
  EXPECT_EQ(second.script, "");
  EXPECT_EQ(second.scriptFile, "samples/demo.script");
  EXPECT_EQ(second.exitStatus, 255);
  EXPECT_FALSE(second.transcript);
  EXPECT_EQ(second.layerOnly, "wine's own reason");
}

TEST(ScenarioFileTest, ReadsCrLfText) {
  ParseResult result =
      parseScenarioFile("=== scenario a\r\n--- script\r\nclick\r\n\r\n--- exit 3\r\n");
  ASSERT_FALSE(result.error) << result.error->message;
  EXPECT_EQ(result.file.scenarios.at(0).script, "click\n");
  EXPECT_EQ(result.file.scenarios.at(0).exitStatus, 3);
}

struct MalformedCase {
  const char* name;
  const char* text;
  int line;
  const char* message;  // a part of the message
};

class MalformedTest : public testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedTest, ReportsLineAndFault) {
  const MalformedCase& c = GetParam();
  ParseResult result = parseScenarioFile(c.text);
  ASSERT_TRUE(result.error);
  EXPECT_EQ(result.error->line, c.line) << result.error->message;
  EXPECT_NE(result.error->message.find(c.message), std::string::npos) << result.error->message;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MalformedTest,
    testing::Values(
        MalformedCase{"Empty", "", 1, "no '=== scenario'"},
        MalformedCase{"NoScenario", "# set-up only\n=== drive c\n", 1, "no '=== scenario'"},
        MalformedCase{"TextBeforeBlocks", "# ok\nstray\n=== scenario a\n", 2, "outside a block"},
        MalformedCase{"UnknownTopBlock", "# set-up\n=== drives c\n", 2,
                      "unknown block '=== drives'"},
        MalformedCase{"UnknownScenarioBlock", "=== scenario a\n--- exit 0\n--- scripts\n", 3,
                      "unknown block '--- scripts'"},
        MalformedCase{"BlockOutsideScenario", "=== drive c\n--- script\n", 2, "outside a scenario"},
        MalformedCase{"TopBlockEndsScenario",
                      "=== scenario a\n--- script\n--- exit 0\n=== drive c\n--- env\n", 5,
                      "outside a scenario"},
        MalformedCase{"NoScript", "=== drive c\n=== scenario a\n--- exit 0\n", 2,
                      "no '--- script'"},
        MalformedCase{"NoExit", "=== scenario a\n--- script\n=== scenario b\n", 1, "no '--- exit'"},
        MalformedCase{"BadName", "=== scenario a.b\n", 1, "bad scenario name"},
        MalformedCase{"NoName", "=== scenario\n", 1, "bad scenario name"},
        MalformedCase{"DuplicateName", "=== scenario a\n--- script\n--- exit 0\n=== scenario a\n",
                      4, "already used at line 1"},
        MalformedCase{"NamesClashAsTests",
                      "=== scenario a-b\n--- script\n--- exit 0\n=== scenario a_b\n", 4,
                      "already used at line 1"},
        MalformedCase{"ExitTooBig", "=== scenario a\n--- exit 256\n", 2, "0..255"},
        MalformedCase{"ExitNegative", "=== scenario a\n--- exit -1\n", 2, "0..255"},
        MalformedCase{"ExitMissing", "=== scenario a\n--- exit\n", 2, "0..255"},
        MalformedCase{"RelativePath", "=== file setup.inf\n", 1, "bad path"},
        MalformedCase{"DriveRelativePath", "=== dir d:SETUP\n", 1, "bad path"},
        MalformedCase{"DotDotPath", "=== dir d:\\..\\x\n", 1, "bad path"},
        MalformedCase{"FileAtRoot", "=== file d:\\ crlf\n", 1, "names no file"},
        MalformedCase{"NoFileAtRoot", "=== scenario a\n--- no-file c:\n", 2, "names no file"},
        MalformedCase{"BadDrive", "=== drive cd\n", 1, "bad drive letter"},
        MalformedCase{"TextAfterDrive", "=== drive c\n# fine\nstray\n", 3, "unexpected text"},
        MalformedCase{"TextAfterExit", "=== scenario a\n--- exit 0\n1\n", 3, "unexpected text"},
        MalformedCase{"BadEnvLine", "=== scenario a\n--- env\nA=1\nnot a setting\n", 4,
                      "NAME=VALUE"},
        MalformedCase{"BadEnvName", "=== scenario a\n--- env\n1A=x\n", 3, "NAME=VALUE"},
        MalformedCase{"SecondScript", "=== scenario a\n--- script\n--- exit 0\n--- script\n", 4,
                      "first at line 2"},
        MalformedCase{"SecondSharedMachine", "=== machine\n=== machine\n", 2, "first at line 1"},
        MalformedCase{"MachineWithArgument", "=== machine x\n", 1, "takes no argument"},
        MalformedCase{"CopyWithoutSource", "=== copy d:\\SETUP\n", 1, "needs one line"},
        MalformedCase{"SameAsWithoutSource", "=== scenario a\n--- same-as c:\\x\n", 2,
                      "needs one line"},
        MalformedCase{"ScriptAndScriptFile",
                      "=== scenario a\n--- script\n--- script-file x.script\n--- exit 0\n", 3,
                      "first at line 2"},
        MalformedCase{"LayerOnlyWithoutReason", "=== scenario a\n--- layer-only\n", 2,
                      "needs its reason"}),
    [](const testing::TestParamInfo<MalformedCase>& info) { return info.param.name; });

struct PathCase {
  const char* text;
  bool valid;
  char drive;
  Strings parts;
};

class VirtualPathTest : public testing::TestWithParam<PathCase> {};

TEST_P(VirtualPathTest, Parses) {
  const PathCase& c = GetParam();
  std::optional<VirtualPath> path = parseVirtualPath(c.text);
  ASSERT_EQ(path.has_value(), c.valid);
  if (!path) return;
  EXPECT_EQ(path->drive, c.drive);
  EXPECT_EQ(path->parts, c.parts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VirtualPathTest,
    testing::Values(PathCase{"D:", true, 'd', {}}, PathCase{"d:\\", true, 'd', {}},
                    PathCase{"d:\\SETUP\\Setup.EXE", true, 'd', {"SETUP", "Setup.EXE"}},
                    PathCase{"c:/a//b/", true, 'c', {"a", "b"}},
                    PathCase{"c:\\a/b", true, 'c', {"a", "b"}}, PathCase{"c:\\.\\a", false, 0, {}},
                    PathCase{"1:\\a", false, 0, {}}, PathCase{"c", false, 0, {}},
                    PathCase{"\\a", false, 0, {}}));

}  // namespace
}  // namespace e2e

// Script lines as the player reads them, and the quoting the transcript uses.
#include "platform/automation/script.h"

#include <gtest/gtest.h>

#include "platform/automation/transcript.h"

namespace {

using platform::automation::Command;
using platform::automation::ParseLine;

struct GoodLine {
  const char* text;
  const char* verb;
  std::vector<std::string> arguments;
};

const GoodLine kGoodLines[] = {
    {"dialog SelectLangs", "dialog", {"SelectLangs"}},
    {"  click 10   # the OK button", "click", {"10"}},
    {"expect-text INSTALLFILES:1 \"c:\\\\data\\\\x\"",
     "expect-text",
     {"INSTALLFILES:1", "c:\\data\\x"}},
    {"messagebox \"Say \\\"hi\\\"\" \"a\\nb\"", "messagebox", {"Say \"hi\"", "a\nb"}},
    {"expect-list 2", "expect-list", {"2"}},
    {"expect-list 2 \"a\" \"b#c\"", "expect-list", {"2", "a", "b#c"}},
    {"expect-rect -1 1 2 3 4", "expect-rect", {"-1", "1", "2", "3", "4"}},
    {"browse cancel", "browse", {"cancel"}},
    {"browse \"c:\\\\Program Files\"", "browse", {"c:\\Program Files"}},
    {"key alt-o\r", "key", {"alt-o"}},
};

TEST(ScriptLine, ReadsCommandsAndTheirArguments) {
  for (const GoodLine& good : kGoodLines) {
    std::optional<Command> command;
    std::string error;
    ASSERT_TRUE(ParseLine(good.text, 7, command, error)) << good.text << ": " << error;
    ASSERT_TRUE(command) << good.text;
    EXPECT_EQ(command->line, 7);
    EXPECT_EQ(command->verb, good.verb) << good.text;
    std::vector<std::string> arguments;
    for (const auto& argument : command->arguments) arguments.push_back(argument.text);
    EXPECT_EQ(arguments, good.arguments) << good.text;
  }
}

TEST(ScriptLine, CommentsAndBlankLinesGiveNothing) {
  for (const char* text : {"", "   ", "# only a comment", "\t# indented"}) {
    std::optional<Command> command;
    std::string error;
    EXPECT_TRUE(ParseLine(text, 1, command, error));
    EXPECT_FALSE(command) << text;
  }
}

struct BadLine {
  const char* text;
  const char* error;
};

const BadLine kBadLines[] = {
    {"clik 10", "unknown command \"clik\""},
    {"click", "wrong arguments for click"},
    {"click ten", "wrong arguments for click"},
    {"click \"10\"", "wrong arguments for click"},
    {"expect-text 1 unquoted", "wrong arguments for expect-text"},
    {"expect-rect 1 2 3 4", "wrong arguments for expect-rect"},
    {"messagebox \"open", "a string has no closing quote"},
    {"type 4 \"\\t\"", "unknown escape \\t"},
    {"\"quoted\" first", "a line must start with a command"},
    {"close now", "wrong arguments for close"},
};

TEST(ScriptLine, ReportsWhatIsWrong) {
  for (const BadLine& bad : kBadLines) {
    std::optional<Command> command;
    std::string error;
    EXPECT_FALSE(ParseLine(bad.text, 1, command, error)) << bad.text;
    EXPECT_EQ(error, bad.error) << bad.text;
  }
}

TEST(Transcript, QuotesAsScriptsWriteStrings) {
  const std::string text = "C:\\A \"b\"\nc\rd";
  std::string quoted = platform::automation::Transcript::quote(text);
  EXPECT_EQ(quoted, "\"C:\\\\A \\\"b\\\"\\nc\\rd\"");
  std::optional<Command> command;
  std::string error;
  ASSERT_TRUE(ParseLine("type 4 " + quoted, 1, command, error)) << error;
  EXPECT_EQ(command->arguments[1].text, text);
}

}  // namespace

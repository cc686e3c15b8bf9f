// The bellscope program's command line, answered without a window.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "command_line.h"
#include "version.h"

namespace {

struct answer {
  int code;
  std::string out, err;
};

std::string contents(std::FILE* f) {
  std::string text;
  std::rewind(f);
  for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
  std::fclose(f);
  return text;
}

answer run(std::vector<const char*> args) {
  std::FILE* out = std::tmpfile();
  std::FILE* err = std::tmpfile();
  EXPECT_TRUE(out && err);
  const int code = PROGRAM_COMMAND_LINE(static_cast<int>(args.size()), args.data(), out, err);
  return {code, contents(out), contents(err)};
}

TEST(CommandLine, NoArgumentsStartsTheExplorer) {
  const answer a = run({"bellscope"});
  EXPECT_EQ(a.code, -1);
  EXPECT_EQ(a.out + a.err, "");
}

TEST(CommandLine, HelpAndVersionGoToStandardOutput) {
  const answer help = run({"bellscope", "--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.out.rfind("usage: bellscope [--help | --version]\n", 0), 0u);
  EXPECT_NE(help.out.find("Enter"), std::string::npos);
  EXPECT_EQ(help.err, "");
  const answer version = run({"bellscope", "--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out, std::string("bellscope ") + BELLSCOPE_VERSION + "\n");
  EXPECT_EQ(version.err, "");
}

TEST(CommandLine, AnyOtherArgumentIsNamedInOneLine) {
  const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
      {{"bellscope", "-h"}, "-h"},
      {{"bellscope", "frame.png"}, "frame.png"},
      {{"bellscope", "--help", "extra"}, "extra"},
      {{"bellscope", "--version", "--help"}, "--help"},
      {{"bellscope", ""}, ""},
  };
  for (auto& [args, named] : cases) {
    const answer a = run(args);
    EXPECT_EQ(a.code, 2) << named;
    EXPECT_EQ(a.out, "");
    EXPECT_EQ(a.err,
              "bellscope: unknown argument '" + named + "' (bellscope takes no arguments but --help and --version)\n");
  }
}

}  // namespace

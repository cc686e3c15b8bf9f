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
  gaussian_set view;
  const int code = PROGRAM_COMMAND_LINE(static_cast<int>(args.size()), args.data(), &view, out, err);
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
  EXPECT_NE(help.out.find("--sigma K=V"), std::string::npos);
  EXPECT_EQ(help.err, "");
  const answer version = run({"bellscope", "--version"});
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out, std::string("bellscope ") + BELLSCOPE_VERSION + "\n");
  EXPECT_EQ(version.err, "");
}

TEST(CommandLine, ViewOptionsOpenThatView) {
  const char* args[] = {"bellscope", "--recalc", "--on", "1,2,3", "--select", "2", "--u", "1=120", "--sigma", "2=40"};
  gaussian_set view;
  EXPECT_EQ(PROGRAM_COMMAND_LINE(10, args, &view, stdout, stderr), -1);
  EXPECT_TRUE(view.recalc && view.g[2].on && !view.g[3].on);
  EXPECT_EQ(view.selected, 2);
  EXPECT_EQ(view.g[0].u, 120);
  EXPECT_EQ(view.g[1].sigma, 40);
}

// Anything else is named in one line, in the frame tool's words, exit 2.
TEST(CommandLine, AnyOtherArgumentIsNamedInOneLine) {
  const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
      {{"bellscope", "-h"}, "-h: unknown option"},
      {{"bellscope", "frame.png"},
       "frame.png: unknown argument (bellscope takes no file; bellscope-frame writes pictures)"},
      {{"bellscope", "--help", "extra"}, "--help: --help and --version take no other arguments"},
      {{"bellscope", "--recalc", "--version"}, "--version: --help and --version take no other arguments"},
      {{"bellscope", "--sigma", "5=3"}, "--sigma 5=3: there is no Gaussian 5"},
  };
  for (auto& [args, message] : cases) {
    const answer a = run(args);
    EXPECT_EQ(a.code, 2) << message;
    EXPECT_EQ(a.out, "");
    EXPECT_EQ(a.err, "bellscope: " + message + "\n");
  }
}

}  // namespace

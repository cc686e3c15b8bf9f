// bellscope-frame's command line: the view options in the grammar's words,
// one output file, --help and --version.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "challenge.h"
#include "frame_command_line.h"
#include "view.h"

namespace {

frame_request parse(const std::vector<const char*>& args, gaussian_set* set, const char** out, char* error,
                    frame_extras* extras = nullptr) {
  static frame_extras own;
  return PARSE_FRAME_OPTIONS(static_cast<int>(args.size()), args.data(), set, extras ? extras : &own, out, error);
}

TEST(FrameOptions, ParsesStates) {
  gaussian_set set;
  const char* out;
  char error[VIEW_ERROR_SIZE];
  ASSERT_EQ(parse({"bellscope-frame", "--recalc", "--on", "1,2,3", "--u", "1=120", "--sigma", "2=-4.5e1", "--select",
                   "3", "out.png"},
                  &set, &out, error),
            FRAME_WRITE);
  EXPECT_STREQ(out, "out.png");
  EXPECT_TRUE(set.recalc);
  EXPECT_TRUE(set.g[2].on);
  EXPECT_FALSE(set.g[3].on);
  EXPECT_EQ(set.g[0].u, 120);
  EXPECT_EQ(set.g[1].sigma, -45);
  EXPECT_EQ(set.selected, 3);

  ASSERT_EQ(parse({"f", "--on", "none", "x.png"}, &set, &out, error), FRAME_WRITE);
  for (auto& g : set.g) EXPECT_FALSE(g.on);
  ASSERT_EQ(parse({"f", "--on", "", "-"}, &set, &out, error), FRAME_WRITE);
  EXPECT_STREQ(out, "-");
  EXPECT_EQ(parse({"f", "--frobnicate", "--help"}, &set, &out, error), FRAME_HELP);
  EXPECT_EQ(parse({"f", "--version", "a.png"}, &set, &out, error), FRAME_VERSION);
}

// A challenge's frame: its round's Gaussians over the view, a guess, the
// product shown; a walk's at a step and a half, with its settings.
TEST(FrameOptions, ParsesChallengeAndTrackFrames) {
  gaussian_set set, round;
  frame_extras extras;
  const char* out;
  char error[VIEW_ERROR_SIZE];
  ASSERT_EQ(parse({"f", "--u", "1=5", "a.png"}, &set, &out, error, &extras), FRAME_WRITE);
  EXPECT_FALSE(extras.challenged || extras.tracked);
  ASSERT_EQ(parse({"f", "--challenge", "42:2", "--u", "1=5", "a.png"}, &set, &out, error, &extras), FRAME_WRITE);
  CHALLENGE_ROUND(42, 2, &round);
  EXPECT_TRUE(extras.challenged);
  EXPECT_EQ(set.g[0].u, round.g[0].u);
  EXPECT_EQ(extras.challenge.guess.u, challenge_start_guess.u);
  EXPECT_FALSE(extras.challenge.revealed);
  ASSERT_EQ(parse({"f", "--guess", "380,-6e1", "--reveal", "a.png"}, &set, &out, error, &extras), FRAME_WRITE);
  EXPECT_TRUE(extras.challenged && extras.challenge.revealed);
  EXPECT_EQ(extras.challenge.guess.u, 380);
  EXPECT_EQ(extras.challenge.guess.sigma, -60);

  const struct {
    std::vector<const char*> args;
    int halves;
  } walks[] = {
      {{"f", "--track", "7:0", "a.png"}, 0},
      {{"f", "--track", "7:3", "a.png"}, 6},
      {{"f", "--track", "7:3:update", "a.png"}, 6},
      {{"f", "--track", "7:3:predict", "a.png"}, 5},
      {{"f", "--track-settings", "steps=20,q=0,truth=end", "--track", "7:20", "a.png"}, 40},
  };
  for (const auto& w : walks) {
    ASSERT_EQ(parse(w.args, &set, &out, error, &extras), FRAME_WRITE) << error;
    EXPECT_TRUE(extras.tracked && !extras.challenged);
    EXPECT_EQ(extras.track.seed, 7u);
    EXPECT_EQ(extras.halves, w.halves);
  }
  EXPECT_TRUE(extras.track.truth_at_end);
  EXPECT_EQ(extras.track.value[TRACK_Q], 0);
}

// Every error names the argument and says what is wrong with it.
TEST(FrameOptions, ErrorsNameTheBadArgument) {
  const std::vector<std::pair<std::vector<const char*>, const char*>> bad = {
      {{"f"}, "no output file given: name the PNG file to write"},
      {{"f", "--u", "1=abc", "a.png"}, "--u 1=abc: 'abc' is not a number"},
      {{"f", "--sigma", "5=3", "a.png"}, "--sigma 5=3: there is no Gaussian 5"},
      {{"f", "--u", "1=", "a.png"}, "--u 1=: '' is not a number"},
      {{"f", "--u", "=3", "a.png"}, "--u =3: a Gaussian number (1-4) is missing"},
      {{"f", "--u", "12=3", "a.png"}, "--u 12=3: there is no Gaussian 12"},
      {{"f", "--u", "13", "a.png"}, "--u 13: expected K=V, for example 1=120"},
      {{"f", "--u", "1=nan", "a.png"}, "--u 1=nan: 'nan' is not a finite number"},
      {{"f", "--sigma", "2=1e999", "a.png"}, "--sigma 2=1e999: '1e999' is too large: at most 100000"},
      {{"f", "--guess", "380,-2e9", "a.png"}, "--guess 380,-2e9: '-2e9' is too small: at least -100000"},
      {{"f", "--u", "1=12x", "a.png"}, "--u 1=12x: '12x' is not a number"},
      {{"f", "--on", "1,,2", "a.png"}, "--on 1,,2: a Gaussian number (1-4) is missing"},
      {{"f", "--on", "0", "a.png"}, "--on 0: there is no Gaussian 0"},
      {{"f", "--select", "12", "a.png"}, "--select 12: there is no Gaussian 12"},
      {{"f", "--select"}, "--select: a value must follow"},
      {{"f", "--frobnicate", "a.png"}, "--frobnicate: unknown option"},
      {{"f", "--challenge", "42", "a.png"},
       "--challenge 42: expected SEED:ROUND, a round from 1 to 5, for example 42:1"},
      {{"f", "--challenge", "42:6", "a.png"},
       "--challenge 42:6: expected SEED:ROUND, a round from 1 to 5, for example 42:1"},
      {{"f", "--challenge", "x:1", "a.png"},
       "--challenge x:1: 'x' is not a challenge number: use digits only, 0 to 4294967295"},
      {{"f", "--guess", "380", "a.png"}, "--guess 380: expected U,SIGMA, for example 380,60"},
      {{"f", "--guess", "380,wide", "a.png"}, "--guess 380,wide: 'wide' is not a number"},
      {{"f", "--guess"}, "--guess: a value must follow"},
      {{"f", "a.png", "b.png"}, "b.png: a second output file (the first is a.png)"},
      {{"f", "--track", "7", "a.png"},
       "--track 7: expected SEED:STEP[:predict|update], a step from 0 to 30, for example 7:3:predict"},
      {{"f", "--track", "7:0:predict", "a.png"},
       "--track 7:0:predict: expected SEED:STEP[:predict|update], a step from 0 to 30, for example 7:3:predict"},
      {{"f", "--track", "7:2:later", "a.png"},
       "--track 7:2:later: expected SEED:STEP[:predict|update], a step from 0 to 30, for example 7:3:predict"},
      {{"f", "--track", "-7:2", "a.png"},
       "--track -7:2: '-7' is not a walk's number: use digits only, 0 to 4294967295"},
      {{"f", "--track", "7:13", "a.png"}, "--track: step 13 is beyond the walk's 12 steps"},
      {{"f", "--track-settings", "q=500", "--track", "7:1", "a.png"},
       "--track-settings q=500: '500' is too large: at most 100"},
      {{"f", "--track-settings", "q", "a.png"},
       "--track-settings q: expected NAME=VALUE,..., for example q=0,r=20,truth=end"},
      {{"f", "--track-settings", "r=1", "a.png"}, "--track-settings: give the walk with --track SEED:STEP too"},
      {{"f", "--track", "7:1", "--challenge", "1:1", "a.png"},
       "--challenge: a frame shows a challenge or a walk, not both"},
  };
  for (auto& [args, message] : bad) {
    gaussian_set set;
    const char* out;
    char error[VIEW_ERROR_SIZE];
    EXPECT_EQ(parse(args, &set, &out, error), FRAME_BAD) << message;
    EXPECT_STREQ(error, message);
  }
  // A huge argument is shortened in the message, never written past the buffer.
  const std::string huge = "1=" + std::string(5000, '7') + "x";
  gaussian_set set;
  const char* out;
  char error[VIEW_ERROR_SIZE + 16];
  std::memset(error, 'Z', sizeof error);
  EXPECT_EQ(parse({"f", "--u", huge.c_str(), "a.png"}, &set, &out, error), FRAME_BAD);
  EXPECT_LT(std::strlen(error), VIEW_ERROR_SIZE + 0u);
  EXPECT_EQ(std::string(error).rfind("--u 1=777", 0), 0u);
  EXPECT_EQ(error[VIEW_ERROR_SIZE], 'Z');
}

}  // namespace

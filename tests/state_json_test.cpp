// The state the web page is told, as the JSON it reads: whole states
// written out, and a buffer too small for one.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "state_json.h"

namespace {

const web_track no_track = {};

std::string state_json(const gaussian_set& set, const colour_profile* colours, const web_challenge& challenge,
                       const web_track& track = no_track) {
  char json[STATE_JSON_SIZE];
  const std::size_t length = STATE_JSON(&set, colours, &challenge, &track, json, sizeof json);
  EXPECT_EQ(length, std::strlen(json));
  return json;
}

gaussian_set start_up() {
  gaussian_set set;
  INIT_GAUSSIANS(&set);
  return set;
}

// Round 2 of challenge 7, in Parameter Recalculation, its first round
// scored 64 and its guess where the round starts it.
struct challenge_round {
  gaussian_set set;
  web_challenge challenge;
};
challenge_round round_2() {
  challenge_round r{start_up(), {true, 7, 2, {64, -1, -1, -1, -1}, {challenge_start_guess, false, {}}}};
  CHALLENGE_ROUND(7, 2, &r.set);
  r.set.recalc = true;
  r.set.combined_u = 624.25;
  r.set.combined_sigma = 37.5;
  return r;
}

const web_challenge no_challenge = {};

// Walk 5 of two steps after `halves` halves, its truth shown after each
// update or only at the end.
web_track walk_5(int halves, bool truth_at_end) {
  web_track track = {true, {}, halves};
  INIT_TRACK(&track.settings);
  track.settings.seed = 5;
  track.settings.value[TRACK_STEPS] = 2;
  track.settings.truth_at_end = truth_at_end;
  return track;
}

const colour_profile* const design = &colour_profiles[0];
const colour_profile* const colour_blind_safe = &colour_profiles[1];

const char start_up_gaussians[] =
    R"j({"gaussians":[{"on":true,"u":100,"sigma":200,"shown":{"u":100,"sigma":200},"colour":"rgb(0, 0, 255)"},)j"
    R"j({"on":true,"u":250,"sigma":70,"shown":{"u":250,"sigma":70},"colour":"rgb(255, 0, 0)"},)j"
    R"j({"on":false,"u":300,"sigma":40,"shown":{"u":300,"sigma":40},"colour":"rgb(255, 255, 0)"},)j"
    R"j({"on":false,"u":350,"sigma":100,"shown":{"u":350,"sigma":100},"colour":"rgb(0, 255, 0)"}],)j";
const char round_2_gaussians[] =
    R"j({"gaussians":[{"on":true,"u":664,"sigma":43,"shown":{"u":664,"sigma":43},"colour":"rgb(0, 0, 255)"},)j"
    R"j({"on":true,"u":494,"sigma":78,"shown":{"u":494,"sigma":78},"colour":"rgb(255, 0, 0)"},)j"
    R"j({"on":false,"u":353,"sigma":99,"shown":{"u":353,"sigma":99},"colour":"rgb(255, 255, 0)"},)j"
    R"j({"on":false,"u":106,"sigma":58,"shown":{"u":106,"sigma":58},"colour":"rgb(0, 255, 0)"}],)j"
    R"j("selected":1,"names":"gaussians","mode":{"recalc":true,"name":"Parameter Recalculation"},)j";

TEST(StateJson, WholeStates) {
  gaussian_set none_on = start_up();
  none_on.recalc = true;
  for (gaussian& g : none_on.g) g.on = false;
  none_on.combined_u = 400;  // what the picture prints as the start of its fold
  none_on.combined_sigma = 2000;

  const challenge_round hidden = round_2();
  challenge_round revealed = round_2();
  revealed.challenge.frame.revealed = true;
  revealed.challenge.scores[1] = 91;
  revealed.challenge.frame.guess.u = 330.5;

  // Named as sensors, in the colour-blind-safe colours; a flat Gaussian,
  // and a value that is not finite, which the picture prints saturated.
  gaussian_set sensors = start_up();
  sensors.names = NAMES_SENSORS;
  sensors.selected = 3;
  sensors.g[1].sigma = 0;
  sensors.g[2].u = INFINITY;

  const struct {
    const char* name;
    std::string json;
    std::string expected;
  } cases[] = {
      {"start-up", state_json(start_up(), design, no_challenge),
       std::string(start_up_gaussians) +
           R"j("selected":1,"names":"gaussians","mode":{"recalc":false,"name":"Point by Point Multiplication"},)j"
           R"j("combined":null,"challenge":null,"working":{"flat":0,"steps":[)j"
           R"j({"gaussian":1,"precision":2.5e-05,"total":2.5e-05,"u":100,"sigma":200,"height":1},)j"
           R"j({"gaussian":2,"precision":0.00020408163265306123,"total":0.00022908163265306124,)j"
           R"j("u":233.63028953229397,"sigma":66.07008494562122,"height":0.7783672730447103}],"flatHeight":null},)j"
           R"j("track":null})j"},
      {"recalc with none on: no product", state_json(none_on, design, no_challenge),
       R"j({"gaussians":[{"on":false,"u":100,"sigma":200,"shown":{"u":100,"sigma":200},"colour":"rgb(0, 0, 255)"},)j"
       R"j({"on":false,"u":250,"sigma":70,"shown":{"u":250,"sigma":70},"colour":"rgb(255, 0, 0)"},)j"
       R"j({"on":false,"u":300,"sigma":40,"shown":{"u":300,"sigma":40},"colour":"rgb(255, 255, 0)"},)j"
       R"j({"on":false,"u":350,"sigma":100,"shown":{"u":350,"sigma":100},"colour":"rgb(0, 255, 0)"}],)j"
       R"j("selected":1,"names":"gaussians","mode":{"recalc":true,"name":"Parameter Recalculation"},)j"
       R"j("combined":null,"challenge":null,"working":{"flat":0,"steps":[],"flatHeight":null},"track":null})j"},
      {"a challenge's product hidden", state_json(hidden.set, design, hidden.challenge),
       std::string(round_2_gaussians) +
           R"j("combined":null,"challenge":{"seed":7,"round":2,"rounds":5,"revealed":false,"moved":false,)j"
           R"j("guess":{"u":400,"sigma":100,"shown":{"u":400,"sigma":100}},"scores":[64,null,null,null,null]},)j"
           R"j("working":null,"track":null})j"},
      {"a challenge's product revealed", state_json(revealed.set, design, revealed.challenge),
       std::string(round_2_gaussians) +
           R"j("combined":{"u":624.25,"sigma":37.5,"shown":{"u":624,"sigma":37}},)j"
           R"j("challenge":{"seed":7,"round":2,"rounds":5,"revealed":true,"moved":true,)j"
           R"j("guess":{"u":330.5,"sigma":100,"shown":{"u":330,"sigma":100}},"scores":[64,91,null,null,null]},)j"
           R"j("working":{"flat":0,"steps":[)j"
           R"j({"gaussian":1,"precision":0.0005408328826392645,"total":0.0005408328826392645,)j"
           R"j("u":664,"sigma":43,"height":1},)j"
           R"j({"gaussian":2,"precision":0.0001643655489809336,"total":0.0007051984316201981,)j"
           R"j("u":624.376906592714,"sigma":37.65687971593974,"height":0.1617820685542752}],"flatHeight":null},)j"
           R"j("track":null})j"},
      {"names, colours, a flat Gaussian, infinity", state_json(sensors, colour_blind_safe, no_challenge),
       R"j({"gaussians":[{"on":true,"u":100,"sigma":200,"shown":{"u":100,"sigma":200},"colour":"rgb(94, 125, 243)"},)j"
       R"j({"on":true,"u":250,"sigma":0,"shown":{"u":250,"sigma":0},"colour":"rgb(235, 27, 131)"},)j"
       R"j({"on":false,"u":null,"sigma":40,"shown":{"u":2147483647,"sigma":40},"colour":"rgb(177, 108, 0)"},)j"
       R"j({"on":false,"u":350,"sigma":100,"shown":{"u":350,"sigma":100},"colour":"rgb(142, 255, 144)"}],)j"
       R"j("selected":3,"names":"sensors","mode":{"recalc":false,"name":"Point by Point Multiplication"},)j"
       R"j("combined":null,"challenge":null,"working":{"flat":2,"steps":[)j"
       R"j({"gaussian":1,"precision":2.5e-05,"total":2.5e-05,"u":100,"sigma":200,"height":1},)j"
       R"j({"gaussian":2,"precision":null,"total":null,"u":null,"sigma":0,"height":0.7548396019890073}],)j"
       R"j("flatHeight":0.7548396019890073},"track":null})j"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.json, c.expected) << c.name;
}

// A walk's part of the state: its settings, and a row for each step begun,
// filled in as its halves are done, its truth once shown.
TEST(StateJson, Walks) {
  const struct {
    const char* name;
    web_track track;
    const char* expected;
  } cases[] = {
      {"at its start", walk_5(0, false),
       R"j(,"track":{"seed":5,"settings":{"q":10,"r":40,"v":30,"walk":30,"steps":2,"truth":"each"},)j"
       R"j("step":0,"steps":2,"half":"start","start":{"u":418,"sigma":60},"rows":[]}})j"},
      {"step 2 predicted, step 1's truth shown", walk_5(3, false),
       R"j(,"track":{"seed":5,"settings":{"q":10,"r":40,"v":30,"walk":30,"steps":2,"truth":"each"},)j"
       R"j("step":2,"steps":2,"half":"predict","start":{"u":418,"sigma":60},"rows":[)j"
       R"j({"step":1,"predicted":{"u":448,"sigma":60.8276253029822},"z":427,"gain":0.6981132075471698,)j"
       R"j("updated":{"u":433.33962264150944,"sigma":33.42126766110872},"truth":387},)j"
       R"j({"step":2,"predicted":{"u":463.33962264150944,"sigma":34.88525665772679},)j"
       R"j("z":null,"gain":null,"updated":null,"truth":null}]}})j"},
      {"updated, its truth kept for the end", walk_5(2, true),
       R"j(,"track":{"seed":5,"settings":{"q":10,"r":40,"v":30,"walk":30,"steps":2,"truth":"end"},)j"
       R"j("step":1,"steps":2,"half":"update","start":{"u":418,"sigma":60},"rows":[)j"
       R"j({"step":1,"predicted":{"u":448,"sigma":60.8276253029822},"z":427,"gain":0.6981132075471698,)j"
       R"j("updated":{"u":433.33962264150944,"sigma":33.42126766110872},"truth":null}]}})j"},
      {"at the end, every truth shown", walk_5(4, true),
       R"j(,"track":{"seed":5,"settings":{"q":10,"r":40,"v":30,"walk":30,"steps":2,"truth":"end"},)j"
       R"j("step":2,"steps":2,"half":"update","start":{"u":418,"sigma":60},"rows":[)j"
       R"j({"step":1,"predicted":{"u":448,"sigma":60.8276253029822},"z":427,"gain":0.6981132075471698,)j"
       R"j("updated":{"u":433.33962264150944,"sigma":33.42126766110872},"truth":387},)j"
       R"j({"step":2,"predicted":{"u":463.33962264150944,"sigma":34.88525665772679},)j"
       R"j("z":330,"gain":0.4320160750167447,)j"
       R"j("updated":{"u":405.7347622237107,"sigma":26.29117190288009},"truth":401}]}})j"},
  };
  for (const auto& c : cases) {
    const std::string json = state_json(start_up(), design, no_challenge, c.track);
    EXPECT_EQ(json.substr(json.find(",\"track\":")), c.expected) << c.name;
  }
}

// Every number as long as a value's text gets, the whole numbers the
// picture prints at their longest too, the product and the working shown.
TEST(StateJson, TheLongestStateFitsItsBuffer) {
  gaussian_set set = start_up();
  set.recalc = true;
  const double longest = -2147483648.1234567;
  for (int k = 0; k < GAUSSIAN_COUNT; ++k) set.g[k] = {longest + k, longest + 3 * k, true};
  set.combined_u = set.combined_sigma = longest;
  web_challenge challenge = {true, 4294967295u, CHALLENGE_ROUNDS, {-1, -1, -1, -1, -1}, {}};
  challenge.frame.guess = {longest, longest, true};
  challenge.frame.revealed = true;
  // The longest walk, to its end, its settings as long as their ranges let
  // them be written, the walk's numbers as long as its noise makes them.
  web_track track = {true,
                     {4294967295u,
                      {99.12345678901234, 199.12345678901234, -99.12345678901234, -99.12345678901234, TRACK_MOST_STEPS},
                      false},
                     2 * TRACK_MOST_STEPS};
  char json[STATE_JSON_SIZE];
  EXPECT_LT(STATE_JSON(&set, colour_blind_safe, &challenge, &track, json, sizeof json), sizeof json);
}

// A text that does not fit is never taken for one that does: the length
// says how long the whole text is, and what the buffer holds is cut short.
TEST(StateJson, ABufferTooSmallIsSaidSo) {
  const gaussian_set set = start_up();
  const std::string whole = state_json(set, design, no_challenge);
  const std::size_t length = whole.size();
  for (std::size_t size : {std::size_t{0}, std::size_t{1}, length / 2, length, length + 1}) {
    std::string buffer(size + 1, '#');  // one byte beyond it, which must stay
    EXPECT_EQ(STATE_JSON(&set, design, &no_challenge, &no_track, &buffer[0], size), length) << size;
    EXPECT_EQ(buffer[size], '#') << size;
    if (size) {
      EXPECT_EQ(std::string(buffer.c_str()), whole.substr(0, size - 1)) << size;
    }
  }
}

}  // namespace

// The web page's controls, natively: each named control pressed, held and
// released as the page does, its messages read by the real display library
// and the explorer one pass at a time, every 10 ms.
#include <gtest/gtest.h>

#include <functional>

#include "controls.h"
#include "explorer_fixture.h"

namespace {

class Controls : public Explorer {
 protected:
  void SetUp() override {
    Explorer::SetUp();
    CONTROL_RESET();
    now = 0;
    post(WM_MOUSEMOVE, 0, MAKELPARAM(400, 200));
    EXPLORER_PASS(&e);
  }
  double now = 0;
  // Passes, each after the controls' own step, until time `until`.
  void run_until(double until) {
    for (; now < until; now += 10) {
      CONTROL_STEP(now);
      EXPLORER_PASS(&e);
    }
  }
  void press(const char* name, double until) {
    CONTROL_INPUT(CONTROL_NAMED(name), 1, now);
    run_until(until);
  }
  void release(const char* name, double until) {
    CONTROL_INPUT(CONTROL_NAMED(name), 0, now);
    run_until(until);
  }
};

TEST(ControlNames, EveryNameIsItsControl) {
  for (int c = 0; c < CONTROL_COUNT; ++c) EXPECT_EQ(CONTROL_NAMED(control_names[c]), c) << control_names[c];
  EXPECT_EQ(CONTROL_NAMED("all"), CONTROL_ALL);
  for (const char* wrong : {"", "Gaussian 1", "gaussian-5", "mode ", "ALL"})
    EXPECT_EQ(CONTROL_NAMED(wrong), CONTROL_UNKNOWN) << wrong;
  EXPECT_EQ(CONTROL_NAMED(nullptr), CONTROL_UNKNOWN);
}

// A press held for `hold` ms, released, and what it changed.
struct held_control {
  const char* name;
  double hold;
  std::function<double(const explorer&)> read;
  double expected;
};

double u1(const explorer& e) {
  return e.set.g[0].u;
}
double sigma1(const explorer& e) {
  return e.set.g[0].sigma;
}

TEST_F(Controls, EachControlActsAsItsKeyOrDrag) {
  const held_control cases[] = {
      {"gaussian-1", 0, [](const explorer& x) { return double(x.set.g[0].on); }, 0},
      {"gaussian-3", 200, [](const explorer& x) { return double(x.set.g[2].on); }, 1},  // held: still one press
      {"select-next", 0, [](const explorer& x) { return double(x.set.selected); }, 2},
      {"select-previous", 0, [](const explorer& x) { return double(x.set.selected); }, 4},
      {"mode", 0, [](const explorer& x) { return double(x.set.recalc); }, 1},
      {"mean-left", 0, u1, 99},
      {"mean-right", 0, u1, 101},
      {"mean-right", 490, u1, 101},   // no repeat before half a second
      {"mean-right", 1000, u1, 111},  // then twenty a second: at 500, 550, ..., 950
      {"narrower", 0, sigma1, 199},
      {"wider", 0, sigma1, 201},
      {"wider", 1000, sigma1, 211},  // each step a drag of its own
      {"no-such-control", 0, u1, 100},
  };
  for (const held_control& c : cases) {
    press(c.name, c.hold);
    release(c.name, now + 100);
    EXPECT_EQ(c.read(e), c.expected) << c.name << " held " << c.hold << " ms";
    EXPECT_FALSE(CONTROL_BUSY()) << c.name;
    EXPECT_EQ(mouse_x[0], 400) << c.name << ": the pointer goes back where it was";
    TearDown();
    SetUp();
  }
}

TEST_F(Controls, ReleasingAllStopsAHeldControl) {
  press("mean-right", 600);  // at 0, 500 and 550
  release("all", 1000);
  EXPECT_EQ(g(1).u, 103);
  EXPECT_FALSE(CONTROL_BUSY());
}

TEST_F(Controls, ANewPressReleasesTheHeldOne) {
  press("mean-right", 300);
  press("mean-left", 1000);  // at 300, 800, 850, 900, 950
  EXPECT_EQ(g(1).u, 101 - 5);
  release("mean-right", 1100);  // not held any more: changes nothing
  EXPECT_TRUE(CONTROL_BUSY());
  release("mean-left", 1200);
  EXPECT_EQ(g(1).u, 101 - 7);  // and at 1000 and 1050
  EXPECT_FALSE(CONTROL_BUSY());
}

}  // namespace

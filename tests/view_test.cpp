// The view grammar in its two spellings, command-line options and address
// parameters: the same rules and the same words for both.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "view.h"

namespace {

// Every argument a view option, as bellscope takes them.
bool parse_options(std::vector<const char*> args, gaussian_set* set, char* error) {
  args.insert(args.begin(), "bellscope");
  view_options options;
  START_VIEW_OPTIONS(&options, set);
  error[0] = 0;
  for (int i = 1; i < static_cast<int>(args.size()); ++i) {
    const int read = VIEW_OPTION(&options, static_cast<int>(args.size()), args.data(), &i, error);
    if (read == 0) VIEW_ERROR(error, args[i], "not an option");
    if (read <= 0) return false;
  }
  return true;
}

// An address, or its refusal in English.
bool parse_address(const char* query, gaussian_set* set, char* error) {
  view_refusal refusal;
  error[0] = 0;
  if (PARSE_VIEW_ADDRESS(query, set, &refusal)) return true;
  VIEW_REFUSAL_TEXT(&refusal, error);
  return false;
}

// The same view, every double bit for bit.
bool same(const gaussian_set& a, const gaussian_set& b) {
  for (int k = 0; k < GAUSSIAN_COUNT; ++k)
    if (std::memcmp(&a.g[k].u, &b.g[k].u, sizeof(double)) != 0 ||
        std::memcmp(&a.g[k].sigma, &b.g[k].sigma, sizeof(double)) != 0 || a.g[k].on != b.g[k].on)
      return false;
  return a.selected == b.selected && a.recalc == b.recalc && a.names == b.names;
}

// One view, or one mistake, in both spellings; an empty error: accepted.
struct spelling {
  std::vector<const char*> options;
  const char* address;
  const char* option_error;
  const char* address_error;
};

const spelling cases[] = {
    {{"--recalc", "--on", "1,2,3", "--select", "2", "--u", "1=120", "--sigma", "2=40"},
     "recalc&on=1,2,3&select=2&u1=120&sigma2=40",
     "",
     ""},
    {{"--on", "none"}, "?on=none", "", ""},
    {{"--names", "bayes", "--on", "1,2"}, "names=bayes&on=1,2", "", ""},
    {{"--names", "tarot"},
     "names=",
     "--names tarot: names are gaussians, bayes or sensors",
     "names=: names are gaussians, bayes or sensors"},
    {{"--names", "sensors", "--names", "bayes"},
     "names=sensors&names=sensors",
     "--names bayes: the choice of names is already given",
     "names=sensors: the choice of names is already given"},
    {{"--on", ""}, "on=", "", ""},
    {{"--u", "1=1e999"},
     "u1=1e999",
     "--u 1=1e999: '1e999' is too large: at most 100000",
     "u1=1e999: '1e999' is too large: at most 100000"},
    // Every value the picture's whole numbers show truly, and no other.
    {{"--u", "1=99999999999"},
     "u1=99999999999",
     "--u 1=99999999999: '99999999999' is too large: at most 100000",
     "u1=99999999999: '99999999999' is too large: at most 100000"},
    {{"--sigma", "4=-100000.5"},
     "sigma4=-100000.5",
     "--sigma 4=-100000.5: '-100000.5' is too small: at least -100000",
     "sigma4=-100000.5: '-100000.5' is too small: at least -100000"},
    {{"--u", "1=-1e999"}, "u1=1e5&sigma1=-100000", "--u 1=-1e999: '-1e999' is too small: at least -100000", ""},
    {{"--u", "1="}, "u1=", "--u 1=: '' is not a number", "u1=: '' is not a number"},
    {{"--sigma", "2=nan"},
     "sigma2=nan",
     "--sigma 2=nan: 'nan' is not a finite number",
     "sigma2=nan: 'nan' is not a finite number"},
    {{"--on", "5"}, "on=5", "--on 5: there is no Gaussian 5", "on=5: there is no Gaussian 5"},
    {{"--on", "1,,2"},
     "on=1,,2",
     "--on 1,,2: a Gaussian number (1-4) is missing",
     "on=1,,2: a Gaussian number (1-4) is missing"},
    {{"--select", "0"}, "select=0", "--select 0: there is no Gaussian 0", "select=0: there is no Gaussian 0"},
    {{"--u", "1=1", "--u", "1=2"},
     "u1=1&u1=2",
     "--u 1=2: Gaussian 1's u is already given",
     "u1=2: Gaussian 1's u is already given"},
    {{"--recalc", "--recalc"},
     "recalc&recalc",
     "--recalc: the combining mode is already given",
     "recalc: the combining mode is already given"},
    {{"--on", "1", "--on", "2"},
     "on=1&on=2",
     "--on 2: the list of Gaussians on is already given",
     "on=2: the list of Gaussians on is already given"},
    {{"--frobnicate"},
     "frobnicate=1",
     "--frobnicate: unknown option",
     "frobnicate=1: unknown parameter (BELLSCOPE knows lesson, challenge, recalc, on, select, u1-u4, sigma1-sigma4, "
     "names, lang, track, q, r, v, walk, steps and truth)"},
    // The page's own parameters are the page's to read, and to refuse.
    {{"--on", "2"}, "lesson=kalman&on=2&lang=fr&challenge=x&lesson", "", ""},
    {{"--u"}, "u5=3", "--u: a value must follow", "u5=3: there is no Gaussian 5"},
    {{"-"}, "u1", "-: not an option", "u1: a value must follow, as in u1=..."},
    {{"--u", "1=12%2E5"}, "u1=12%2E5&&", "--u 1=12%2E5: '12%2E5' is not a number", ""},
    {{"--u", "1=-0"}, "u1=%zz", "", "u1=%zz: bad percent-encoding"},
    {{"--u", "1=1e+2"}, "recalc=yes", "", "recalc=yes: recalc takes no value"},
};

TEST(View, BothSpellingsFollowOneGrammar) {
  for (const spelling& c : cases) {
    gaussian_set set;
    char error[VIEW_ERROR_SIZE];
    EXPECT_EQ(parse_options(c.options, &set, error), !*c.option_error) << c.address;
    EXPECT_STREQ(error, c.option_error);
    EXPECT_EQ(parse_address(c.address, &set, error), !*c.address_error) << c.address;
    EXPECT_STREQ(error, c.address_error);
  }
}

// The help names the range of values the grammar takes.
TEST(View, HelpNamesTheRangeOfValues) {
  const std::string most = std::to_string(VIEW_VALUE_MOST);
  EXPECT_NE(std::string(view_options_help).find("-" + most + " to " + most), std::string::npos);
}

TEST(View, BothSpellingsGiveTheSameView) {
  gaussian_set a, b;
  char error[VIEW_ERROR_SIZE];
  ASSERT_TRUE(parse_options(cases[0].options, &a, error));
  ASSERT_TRUE(parse_address(cases[0].address, &b, error));
  EXPECT_TRUE(same(a, b));
  EXPECT_TRUE(b.recalc && b.g[2].on && !b.g[3].on);
  EXPECT_EQ(b.selected, 2);
  EXPECT_EQ(b.g[0].u, 120);
  EXPECT_EQ(b.g[1].sigma, 40);
}

TEST(View, AWrongAddressLeavesTheStartUpState) {
  gaussian_set set, start;
  INIT_GAUSSIANS(&start);
  char error[VIEW_ERROR_SIZE];
  EXPECT_FALSE(parse_address("recalc&u1=5&on=9", &set, error));
  EXPECT_TRUE(same(set, start));
  // A 10,000-character address is refused in a sentence of bounded length.
  const std::string huge = "u1=" + std::string(10000, '1');
  EXPECT_FALSE(parse_address(huge.c_str(), &set, error));
  EXPECT_EQ(std::string(error).rfind("u1=111", 0), 0u);
  EXPECT_NE(std::string(error).find("the parameter is too long"), std::string::npos);
}

// A link read back gives the same doubles, bit for bit, in the shortest form.
TEST(View, AddressesReadBackExactly) {
  gaussian_set set;
  INIT_GAUSSIANS(&set);
  char query[VIEW_ADDRESS_SIZE];
  FORMAT_VIEW_ADDRESS(&set, query, sizeof query);
  EXPECT_STREQ(query, "");
  set.recalc = true;
  set.selected = 4;
  for (auto& g : set.g) g.on = false;
  const double values[8] = {0.1, -0.0, -1e5, 5e-324, 12345.125, -1.0 / 3, 2.5, 99999.999999999985};
  for (int k = 0; k < 4; ++k) set.g[k].u = values[k], set.g[k].sigma = values[4 + k];
  FORMAT_VIEW_ADDRESS(&set, query, sizeof query);
  EXPECT_STREQ(query,
               "recalc&on=none&select=4&u1=0.1&u2=-0&u3=-1e+05&u4=5e-324&sigma1=12345.125&"
               "sigma2=-0.3333333333333333&sigma3=2.5&sigma4=99999.99999999999");
  gaussian_set back;
  char error[VIEW_ERROR_SIZE];
  ASSERT_TRUE(parse_address(query, &back, error)) << error;
  EXPECT_TRUE(same(set, back));
}

// A query read over a base (a lesson's view with a link's parameters on
// it) changes what it names and keeps the rest; the link written relative
// to that base holds only what differs from it, even a value moved back to
// the start-up state's, and reads back over it exactly. A wrong query
// leaves the base.
TEST(View, AnAddressOverABaseReadsBackOverIt) {
  const char* const kalman = "on=1,2&select=2&u1=300&sigma1=100&names=bayes";
  const struct {
    const char *base, *query;
    const char* view;  // from the start-up state; null: refused
    const char* link;
  } over_a_base[] = {
      {"", "recalc&u1=0.1", "recalc&u1=0.1", "recalc&u1=0.1"},
      {kalman, "", kalman, ""},
      {kalman, "?u1=100&recalc", "recalc&on=1,2&select=2&sigma1=100&names=bayes", "recalc&u1=100"},
      {kalman, "names=gaussians&on=none&select=1&sigma2=-0", "on=none&u1=300&sigma1=100&sigma2=-0",
       "on=none&select=1&sigma2=-0&names=gaussians"},
      {kalman, "u2=480&u2=1", nullptr, ""},
      {kalman, "u1=1e999", nullptr, ""},
  };
  for (const auto& c : over_a_base) {
    gaussian_set base, expected, set, back;
    view_refusal refusal;
    char link[VIEW_ADDRESS_SIZE];
    ASSERT_TRUE(PARSE_VIEW_ADDRESS(c.base, &base, &refusal) &&
                PARSE_VIEW_ADDRESS(c.view ? c.view : c.base, &expected, &refusal));
    EXPECT_EQ(PARSE_VIEW_ADDRESS_ONTO(c.query, &base, &set, &refusal), c.view != nullptr) << c.query;
    EXPECT_TRUE(same(set, expected)) << c.query;
    EXPECT_TRUE(FORMAT_VIEW_ADDRESS_FROM(&base, &set, link, sizeof link));
    EXPECT_STREQ(link, c.link) << c.query;
    PARSE_VIEW_ADDRESS_ONTO(link, &base, &back, &refusal);
    PARSE_VIEW_ADDRESS_ONTO(c.query, &base, &base, &refusal);  // the set may be its own base
    EXPECT_TRUE(same(back, set) && same(base, set)) << c.query;
  }
  // Over a base in Parameter Recalculation, the other mode has no word.
  gaussian_set base, set;
  view_refusal refusal;
  char link[VIEW_ADDRESS_SIZE];
  ASSERT_TRUE(PARSE_VIEW_ADDRESS("recalc", &base, &refusal));
  INIT_GAUSSIANS(&set);
  EXPECT_FALSE(FORMAT_VIEW_ADDRESS_FROM(&base, &set, link, sizeof link));
}

#ifdef BELLSCOPE_LESSONS
// Every lesson of the web page opens its view, or its walk, through the
// same grammar as an address: those of lessons.json, each accepted.
TEST(View, EveryLessonIsAView) {
  std::ifstream file(BELLSCOPE_LESSONS);
  ASSERT_TRUE(file) << BELLSCOPE_LESSONS;
  std::stringstream text;
  text << file.rdbuf();
  const std::string lessons = text.str(), key = "\"view\": \"";
  int count = 0;
  for (std::size_t at = lessons.find(key); at != std::string::npos; at = lessons.find(key, at + 1), ++count) {
    const std::size_t start = at + key.size();
    const std::string view = lessons.substr(start, lessons.find('"', start) - start);
    gaussian_set set;
    char error[VIEW_ERROR_SIZE];
    EXPECT_TRUE(parse_address(view.c_str(), &set, error)) << view << ": " << error;
    // A lesson's link says what differs from its view, and could not leave
    // Parameter Recalculation: a lesson starts in the other mode.
    EXPECT_FALSE(set.recalc) << view;
  }
  EXPECT_GE(count, 8);
  // The lessons that are walks: each a walk's address.
  const std::string walk_key = "\"track\": \"";
  count = 0;
  for (std::size_t at = lessons.find(walk_key); at != std::string::npos; at = lessons.find(walk_key, at + 1), ++count) {
    const std::size_t start = at + walk_key.size();
    const std::string query = lessons.substr(start, lessons.find('"', start) - start);
    track_settings settings;
    bool found = false;
    view_refusal refusal;
    EXPECT_TRUE(PARSE_TRACK_ADDRESS(query.c_str(), &settings, &found, &refusal) && found) << query;
  }
  EXPECT_GE(count, 4);
}
#endif

// What the page is handed: the reason's text, what is refused, and the
// values its text names, as JSON whatever the bytes refused.
TEST(View, RefusalsReachThePageAsTheirReasons) {
  const struct {
    const char* address;
    const char* json;
  } refusals[] = {
      {"u2=12x", R"({"key":"reasonNotANumber","what":"u2=12x","text":"12x"})"},
      {"sigma1=-2e9", R"({"key":"reasonTooSmall","what":"sigma1=-2e9","text":"-2e9","least":-100000})"},
      {"u1=1&u1=2", R"({"key":"reasonUGiven","what":"u1=2","gaussian":1})"},
      {"on=%225%5C%0A", R"({"key":"reasonNoGaussian","what":"on=\"5\\\u000a","text":"\"5\\\u000a"})"},
      {"names=%C3%A9t%C3%A9",
       R"({"key":"reasonUnknownNames","what":"names=été","choices":["gaussians","bayes","sensors"]})"},
      {"x", R"({"key":"reasonUnknownParameter","what":"x","known":["lesson","challenge","recalc","on","select",)"
            R"("u1-u4","sigma1-sigma4","names","lang","track","q","r","v","walk","steps","truth"]})"},
  };
  for (const auto& c : refusals) {
    gaussian_set set;
    view_refusal refusal;
    char json[VIEW_JSON_SIZE];
    ASSERT_FALSE(PARSE_VIEW_ADDRESS(c.address, &set, &refusal)) << c.address;
    VIEW_REFUSAL_JSON(&refusal, json);
    EXPECT_STREQ(json, c.json);
  }
  // Cut where it is long, at the start of a character: "é" is two bytes.
  view_refusal refusal;
  const std::string long_text = std::string(39, 'x') + "\xc3\xa9tc";
  VIEW_REFUSE(&refusal, REASON_NOT_A_NUMBER, nullptr, long_text.c_str(), 0);
  EXPECT_STREQ(refusal.text, (std::string(39, 'x') + "...").c_str());
}

#ifdef BELLSCOPE_TEXTS
// Each reason is said once in English, and has its text in the page's
// tables with the same {names}; those only a command line meets have none.
TEST(View, EveryReasonIsSaidInEnglishAndOnThePage) {
  std::ifstream file(BELLSCOPE_TEXTS);
  ASSERT_TRUE(file) << BELLSCOPE_TEXTS;
  std::stringstream read;
  read << file.rdbuf();
  const std::string texts = read.str();
  const auto names = [](const std::string& text) {
    std::set<std::string> found;
    const std::regex name(R"(\{\w+\})");
    for (auto m = std::sregex_iterator(text.begin(), text.end(), name); m != std::sregex_iterator(); ++m)
      found.insert(m->str());
    return found;
  };
  for (int r = 0; r < REASON_COUNT; ++r) {
    const view_reason_words& words = view_reasons[r];
    EXPECT_EQ(words.reason, r) << "in the order of its codes";
    ASSERT_TRUE(words.english && *words.english) << r;
    const bool command_line_only =
        r == REASON_UNKNOWN_OPTION || r == REASON_OPTION_VALUE_MISSING || r == REASON_EXPECTED_K_V;
    if (command_line_only) {
      EXPECT_EQ(words.key, nullptr) << words.english;
      continue;
    }
    ASSERT_NE(words.key, nullptr) << words.english;
    // The page's text: from its key to the end of its entry (a text of
    // several lines joined with +).
    const std::size_t at = texts.find("\n  " + std::string(words.key) + ":");
    ASSERT_NE(at, std::string::npos) << words.key << " is not in en.js";
    const std::string page = texts.substr(at, texts.find(",\n", at) - at);
    EXPECT_EQ(names(page), names(words.english)) << words.key;
  }
}
#endif

// A walk in an address: its number and settings, each in its range and
// given once, the rest of the address passed over; refused in the
// grammar's words; written back as what differs from the start values.
TEST(View, AWalkIsReadFromAnAddressAndWrittenBack) {
  const struct {
    const char* query;
    bool found;
    const char* link;   // FORMAT_TRACK_ADDRESS of what was read; null: refused
    const char* error;  // the refusal in English
  } walks[] = {
      {"on=1&u1=5", false, "", nullptr},
      {"?track=2026", true, "track=2026", nullptr},
      {"track=7&q=0&r=12.5&v=-20&walk=40&steps=30&truth=end&lesson=x", true,
       "track=7&q=0&r=12.5&v=-20&walk=40&steps=30&truth=end", nullptr},
      {"track=7&q=10&truth=each", true, "track=7", nullptr},
      {"track=", false, nullptr, "track=: '' is not a walk's number: use digits only, 0 to 4294967295"},
      {"track=-1", false, nullptr, "track=-1: '-1' is not a walk's number: use digits only, 0 to 4294967295"},
      {"track=123456789012345678901234567890", false, nullptr,
       "track=123456789012345678901234567890: 123456789012345678901234567890 is too large for a walk's number (at "
       "most 4294967295)"},
      {"track=1&track=2", false, nullptr, "track=2: track is already given"},
      {"track=1&q=101", false, nullptr, "q=101: '101' is too large: at most 100"},
      {"track=1&r=-1", false, nullptr, "r=-1: '-1' is too small: at least 0"},
      {"track=1&v=1e999", false, nullptr, "v=1e999: '1e999' is too large: at most 100"},
      {"track=1&q=-1e999", false, nullptr, "q=-1e999: '-1e999' is too small: at least 0"},
      {"track=1&steps=0", false, nullptr, "steps=0: '0' is too small: at least 1"},
      {"track=1&steps=2.5", false, nullptr, "steps=2.5: '2.5' is not a whole number"},
      {"track=1&truth=never", false, nullptr, "truth=never: truth is each or end"},
      {"track=1&walk=3&walk=4", false, nullptr, "walk=4: walk is already given"},
      {"q=5&on=1", false, nullptr, "q=5: q=5 belongs to a walk: give track=NUMBER too"},
  };
  for (const auto& c : walks) {
    track_settings settings;
    INIT_TRACK(&settings);
    bool found = !c.found;
    view_refusal refusal;
    const bool ok = PARSE_TRACK_ADDRESS(c.query, &settings, &found, &refusal);
    EXPECT_EQ(ok, c.error == nullptr) << c.query;
    if (!ok) {
      char error[VIEW_ERROR_SIZE];
      VIEW_REFUSAL_TEXT(&refusal, error);
      EXPECT_STREQ(error, c.error) << c.query;
      continue;
    }
    EXPECT_EQ(found, c.found) << c.query;
    if (!found) continue;
    char link[VIEW_ADDRESS_SIZE];
    FORMAT_TRACK_ADDRESS(&settings, link, sizeof link);
    EXPECT_STREQ(link, c.link) << c.query;
    // A walk's parameters are the page's own: the view's grammar passes over them.
    gaussian_set view;
    EXPECT_TRUE(PARSE_VIEW_ADDRESS(c.query, &view, &refusal)) << c.query;
  }
}

}  // namespace

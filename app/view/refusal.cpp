// Why the view's grammar refuses something, said once: in English for the
// command line, and as a reason the web page says in its own language.
#include "refusal.h"

#include <cstdio>
#include <cstring>

#include "words.h"

const view_reason_words view_reasons[REASON_COUNT] = {
    {REASON_NOT_A_NUMBER, "reasonNotANumber", "'{text}' is not a number"},
    {REASON_TOO_LARGE, "reasonTooLarge", "'{text}' is too large: at most {most}"},
    {REASON_TOO_SMALL, "reasonTooSmall", "'{text}' is too small: at least {least}"},
    {REASON_NOT_FINITE, "reasonNotFinite", "'{text}' is not a finite number"},
    {REASON_NO_GAUSSIAN, "reasonNoGaussian", "there is no Gaussian {text}"},
    {REASON_GAUSSIAN_MISSING, "reasonGaussianMissing", "a Gaussian number (1-4) is missing"},
    {REASON_MODE_GIVEN, "reasonModeGiven", "the combining mode is already given"},
    {REASON_ON_GIVEN, "reasonOnGiven", "the list of Gaussians on is already given"},
    {REASON_SELECT_GIVEN, "reasonSelectGiven", "the selected Gaussian is already given"},
    {REASON_NAMES_GIVEN, "reasonNamesGiven", "the choice of names is already given"},
    {REASON_U_GIVEN, "reasonUGiven", "Gaussian {gaussian}'s u is already given"},
    {REASON_SIGMA_GIVEN, "reasonSigmaGiven", "Gaussian {gaussian}'s sigma is already given"},
    {REASON_UNKNOWN_NAMES, "reasonUnknownNames", "names are {choices}"},
    {REASON_UNKNOWN_OPTION, nullptr, "unknown option"},
    {REASON_OPTION_VALUE_MISSING, nullptr, "a value must follow"},
    {REASON_EXPECTED_K_V, nullptr, "expected K=V, for example 1=120"},
    {REASON_UNKNOWN_PARAMETER, "reasonUnknownParameter", "unknown parameter (BELLSCOPE knows {known})"},
    {REASON_PARAMETER_NAME_MISSING, "reasonParameterNameMissing", "a parameter name is missing"},
    {REASON_PARAMETER_VALUE_MISSING, "reasonParameterValueMissing", "a value must follow, as in {text}=..."},
    {REASON_RECALC_VALUE, "reasonRecalcValue", "recalc takes no value"},
    {REASON_BAD_PERCENT, "reasonBadPercent", "bad percent-encoding"},
    {REASON_PARAMETER_TOO_LONG, "reasonParameterTooLong", "the parameter is too long"},
    {REASON_ADDRESS_TOO_LONG, "reasonAddressTooLong", "the address is too long: at most {most} characters are read"},
    {REASON_NOT_A_CHALLENGE, "reasonNotAChallenge", "'{text}' is not a challenge number: use digits only, 0 to {most}"},
    {REASON_CHALLENGE_TOO_LARGE, "reasonChallengeTooLarge",
     "{text} is too large for a challenge number (at most {most})"},
    {REASON_NOT_A_TRACK, "reasonNotATrack", "'{text}' is not a walk's number: use digits only, 0 to {most}"},
    {REASON_TRACK_TOO_LARGE, "reasonTrackTooLarge", "{text} is too large for a walk's number (at most {most})"},
    {REASON_NOT_WHOLE, "reasonNotWhole", "'{text}' is not a whole number"},
    {REASON_TRUTH_CHOICE, "reasonTruthChoice", "truth is each or end"},
    {REASON_SETTING_GIVEN, "reasonSettingGiven", "{text} is already given"},
    {REASON_SETTING_WITHOUT_TRACK, "reasonSettingWithoutTrack", "{text} belongs to a walk: give track=NUMBER too"},
};

namespace {

// The lists a reason may name: all of them ("and"), or one of them ("or").
struct reason_list {
  const char* name;
  const char* const* items;
  int count;
  const char* last;  // before the last item, in English
};
const reason_list reason_lists[] = {
    {"known", address_parameters, ADDRESS_PARAMETER_COUNT, " and "},
    {"choices", view_names, NAMES_COUNT, " or "},
};

const reason_list* list_named(const char* name, std::size_t length) {
  for (const reason_list& list : reason_lists)
    if (std::strlen(list.name) == length && std::strncmp(list.name, name, length) == 0) return &list;
  return nullptr;
}

// `text` into `out` (`size` bytes), cut to `most` bytes at the start of a
// character, with "..." when it was cut.
void copy_cut(char* out, std::size_t size, const char* text, std::size_t most) {
  std::size_t n = std::strlen(text);
  const bool cut = n > most;
  if (cut) {
    n = most;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;  // a UTF-8 continuation byte
  }
  std::snprintf(out, size, "%.*s%s", static_cast<int>(n), text, cut ? "..." : "");
}

// Appends to a bounded text, keeping it terminated.
struct writer {
  char* out;
  std::size_t size, n;
  void add(const char* text, std::size_t length) {
    for (std::size_t i = 0; i < length && n + 1 < size; ++i) out[n++] = text[i];
    out[n] = 0;
  }
  void add(const char* text) { add(text, std::strlen(text)); }
  // A JSON string, quoted and escaped; bytes from 0x80 up pass as they are (UTF-8).
  void add_string(const char* text) {
    add("\"");
    for (const char* c = text; *c; ++c) {
      char escaped[8];
      const unsigned char byte = static_cast<unsigned char>(*c);
      if (byte == '"' || byte == '\\') {
        const char pair[2] = {'\\', *c};
        add(pair, 2);
      } else if (byte < 0x20) {
        std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
        add(escaped);
      } else {
        add(c, 1);
      }
    }
    add("\"");
  }
};

}  // namespace

bool VIEW_REFUSE(view_refusal* refusal, view_reason reason, const char* what, const char* text, long long number) {
  refusal->reason = reason;
  copy_cut(refusal->what, sizeof refusal->what, what ? what : "", 60);
  copy_cut(refusal->text, sizeof refusal->text, text ? text : "", 40);
  refusal->number = number;
  return false;
}

void VIEW_REFUSAL_TEXT(const view_refusal* refusal, char* error) {
  writer w{error, VIEW_ERROR_SIZE, 0};
  error[0] = 0;
  if (*refusal->what) {
    w.add(refusal->what);
    w.add(": ");
  }
  for (const char* c = view_reasons[refusal->reason].english; *c;) {
    const char* end = *c == '{' ? std::strchr(c, '}') : nullptr;
    if (!end) {
      w.add(c++, 1);
      continue;
    }
    const char* name = c + 1;
    const std::size_t length = static_cast<std::size_t>(end - name);
    const reason_list* list = list_named(name, length);
    if (length == 4 && std::strncmp(name, "text", 4) == 0) {
      w.add(refusal->text);
    } else if (list) {
      for (int i = 0; i < list->count; ++i) {
        if (i) w.add(i + 1 == list->count ? list->last : ", ");
        w.add(list->items[i]);
      }
    } else {
      char number[24];
      std::snprintf(number, sizeof number, "%lld", refusal->number);
      w.add(number);
    }
    c = end + 1;
  }
}

void VIEW_REFUSAL_JSON(const view_refusal* refusal, char* json) {
  const view_reason_words& words = view_reasons[refusal->reason];
  writer w{json, VIEW_JSON_SIZE, 0};
  w.add("{\"key\":");
  w.add_string(words.key ? words.key : "");
  w.add(",\"what\":");
  w.add_string(refusal->what);
  for (const char* c = std::strchr(words.english, '{'); c; c = std::strchr(c + 1, '{')) {
    const char* name = c + 1;
    const char* end = std::strchr(name, '}');
    if (!end) break;
    const std::size_t length = static_cast<std::size_t>(end - name);
    w.add(",\"");
    w.add(name, length);
    w.add("\":");
    const reason_list* list = list_named(name, length);
    if (length == 4 && std::strncmp(name, "text", 4) == 0) {
      w.add_string(refusal->text);
    } else if (list) {
      w.add("[");
      for (int i = 0; i < list->count; ++i) {
        if (i) w.add(",");
        w.add_string(list->items[i]);
      }
      w.add("]");
    } else {
      char number[24];
      std::snprintf(number, sizeof number, "%lld", refusal->number);
      w.add(number);
    }
  }
  w.add("}");
}

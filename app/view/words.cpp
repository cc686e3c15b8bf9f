#include "words.h"

const char* const view_names[NAMES_COUNT] = {"gaussians", "bayes", "sensors"};

const char* const address_parameters[] = {
    "lesson", "challenge",                                               // the page's own
    "recalc", "on",        "select", "u1-u4", "sigma1-sigma4", "names",  // the view's
    "lang",                                                              // the page's own
};
const int address_parameter_count = sizeof address_parameters / sizeof address_parameters[0];

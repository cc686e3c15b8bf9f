// The words of the view's grammar that reading a view and saying why it is
// refused both name.
#ifndef BELLSCOPE_APP_VIEW_WORDS_H
#define BELLSCOPE_APP_VIEW_WORDS_H

#include "gaussians.h"

// The names of gaussian_names, as a view writes them. Only the web page
// shows them.
inline constexpr const char* view_names[NAMES_COUNT] = {"gaussians", "bayes", "sensors"};

// The parameters a page's address takes, as the page lists them: the
// view's, and the page's own (lesson, challenge, lang), which the view's
// grammar passes over.
inline constexpr const char* address_parameters[] = {
    "lesson", "challenge",                                                        // the page's own
    "recalc", "on",        "select", "u1-u4", "sigma1-sigma4", "names",           // the view's
    "lang",                                                                       // the page's own
    "track",  "q",         "r",      "v",     "walk",          "steps", "truth",  // a walk's
};
enum { ADDRESS_PARAMETER_COUNT = sizeof address_parameters / sizeof address_parameters[0] };

#endif

// The words of the view's grammar that reading a view and saying why it is
// refused both name.
#ifndef BELLSCOPE_APP_VIEW_WORDS_H
#define BELLSCOPE_APP_VIEW_WORDS_H

#include "gaussians.h"

// The names of gaussian_names, as a view writes them: "gaussians", "bayes",
// "sensors". Only the web page shows them.
extern const char* const view_names[NAMES_COUNT];

// The parameters a page's address takes, as the page lists them: the
// view's, and the page's own (lesson, challenge, lang), which the view's
// grammar passes over.
extern const char* const address_parameters[];
extern const int address_parameter_count;

#endif

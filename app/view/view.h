// A view of BELLSCOPE written down: which Gaussians are on, their u and
// sigma, the selected one and the combining mode. One grammar, in two
// spellings: command-line options for bellscope-frame and bellscope
//   --recalc --on 1,2,3 --select 2 --u 1=120 --sigma 2=40
// and the parameters of a web page's address
//   recalc&on=1,2,3&select=2&u1=120&sigma2=40
// Every view starts from the start-up state. LIST is a comma-separated list
// of Gaussians 1-4 to switch on (all others off; an empty LIST or "none"
// switches all off); a value is a finite number. Each setting may be given
// once. A wrong argument or parameter is named with what is wrong with it.
#ifndef BELLSCOPE_APP_VIEW_H
#define BELLSCOPE_APP_VIEW_H

#include <cstddef>

#include "gaussians.h"

extern const char frame_usage[];
extern const char frame_help[];
extern const char view_options_help[];  // the view options, as --help lists them

enum frame_request { FRAME_WRITE, FRAME_HELP, FRAME_VERSION, FRAME_BAD };
enum { VIEW_ERROR_SIZE = 256, VIEW_ADDRESS_SIZE = 512, VIEW_NUMBER_SIZE = 32 };

// bellscope-frame's command line: the view options and one output file.
//   [--recalc] [--on LIST] [--select N] [--u K=V]... [--sigma K=V]... OUT.png
// --help or --version anywhere asks for that instead. FRAME_WRITE sets *out
// to the file name; FRAME_BAD writes into `error` (VIEW_ERROR_SIZE bytes)
// which argument is wrong and why, for example
//   --sigma 5=3: there is no Gaussian 5
frame_request PARSE_FRAME_OPTIONS(int argc, const char* const* argv, gaussian_set* set, const char** out, char* error);

// The view options alone, as bellscope takes them (argv[0] is the program).
// False, with `error` written as above, for anything else.
bool PARSE_VIEW_OPTIONS(int argc, const char* const* argv, gaussian_set* set, char* error);

// The parameters of an address's query (with or without its leading '?'),
// percent-encoded or not; empty parameters ("a&&b") are skipped. False, with
// `error` written, for example
//   u1=1e999: '1e999' is too large
// and the set then holds the start-up state.
bool PARSE_VIEW_ADDRESS(const char* query, gaussian_set* set, char* error);

// A value as the view options take it: a finite number, written in full.
// False, with `error` written ("'12x' is not a number"), for anything else.
bool PARSE_VIEW_NUMBER(const char* text, double* value, char* error);

// The query of an address that opens the view (without the '?'): only what
// differs from the start-up state, numbers in the shortest form that reads
// back as the same double. Empty for the start-up state.
void FORMAT_VIEW_ADDRESS(const gaussian_set* set, char* query, std::size_t size);

// A number in the shortest form that reads back as the same double.
void FORMAT_VIEW_NUMBER(double value, char* text, std::size_t size);

#endif

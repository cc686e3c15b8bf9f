// The page around the program: every call between the two, each declared
// once here with its contract.
//
// The program's calls into the page are the PAGE_ functions, written in the
// page's JavaScript (page.cpp). Those that tell or ask the page something
// call its handler Module.onBellscope<Event>, if it has one; the page's side
// is app/web/script/program.js.
//
// The page's calls into the program are the BELLSCOPE_ functions: the build
// exports exactly those declared here (app/web/CMakeLists.txt reads them
// from this file), and program.js names each in one table, but for the two
// that the program's own calls into the page make (BELLSCOPE_FRAME,
// BELLSCOPE_WAKE). Texts come and go in UTF-8; a text the program hands
// back is good until its next call.
#ifndef BELLSCOPE_APP_WEB_PAGE_H
#define BELLSCOPE_APP_WEB_PAGE_H

extern "C" {

// ---- Calls into the page.

// The loop: BELLSCOPE_FRAME once per animation frame while `running`, and no work at all otherwise.
void PAGE_RUN_FRAMES(int running);
// From now on, input on the page calls BELLSCOPE_WAKE before the backend's listeners turn it into messages.
void PAGE_LISTEN_FOR_WAKES();
// The canvas painted from `image`'s palette indices in the colours `rgb` (256 RGB triples), after the end.
void PAGE_REPAINT(const unsigned char* image, int width, int height, const unsigned char* rgb);
void PAGE_STARTED();                                        // onBellscopeStarted(): the picture is on its canvas
void PAGE_ENDED();                                          // onBellscopeEnded(): Esc ended the program
void PAGE_FAILED(const char* reason_key);                   // onBellscopeFailed(key): it cannot start, and why
void PAGE_VIEW_REFUSED(const char* refusal);                // onBellscopeViewRefused(text): a wrong view (WEB_REFUSAL)
void PAGE_STATE(const char* json);                          // onBellscopeState(object): the state (STATE_JSON)
void PAGE_CURVES(const double* values, int count);          // onBellscopeCurves(Float64Array): the curves drawn
void PAGE_SCANLINES(const unsigned char* bytes, int size);  // onBellscopeScanlines(Uint8Array): to compress
void PAGE_PICTURE(const unsigned char* bytes, int size);    // onBellscopePicture(Uint8Array): a PNG
// The query of the view the page starts in (onBellscopeQuery(), or else location.search) into `buffer`; its length.
int PAGE_QUERY(char* buffer, int size);
// The view that query is read over (onBellscopeBase(): a lesson's view, or else empty) into `buffer`; its length.
int PAGE_BASE(char* buffer, int size);
// A fault of the program's, `what` in English: said on the console and on the page (onAbort(what)); it stops.
void PAGE_FAULT(const char* what);

// ---- The page's calls into the program.

void BELLSCOPE_FRAME();  // one animation frame's passes, from the loop (PAGE_RUN_FRAMES)
void BELLSCOPE_WAKE();   // input has arrived (PAGE_LISTEN_FOR_WAKES): a sleeping loop runs again
// After Esc: starts again, in the view `resume` names (as BELLSCOPE_LINK wrote it) or else the page's.
void BELLSCOPE_RESTART(const char* resume);
// A page control by its name (controls.h) pressed (1) or released (0); false for a name not known.
int BELLSCOPE_CONTROL(const char* name, int down);
// The colours by name (colours.h: "design", "colour-blind-safe", "light"); false for any other.
int BELLSCOPE_COLOURS(const char* name);
// Back to the page's view while the program runs; in a challenge, the guess back to its start; in a walk, its start.
void BELLSCOPE_RESET();
// The page's view from now on, `query` over `base` (address queries): null, or why either is refused.
const char* BELLSCOPE_PAGE_VIEW(const char* base, const char* query);
// How the page names the curves, by the view's word (view_names); false for any other.
int BELLSCOPE_NAMES(const char* name);
// The query of the address of the view shown now, without the '?', over the page's base.
const char* BELLSCOPE_LINK();
// A value typed for "u" or "sigma" of the selected Gaussian, or the guess's: null, or why it is refused.
const char* BELLSCOPE_SET_VALUE(const char* which, const char* text);
// The curves drawn now handed to the page (PAGE_CURVES); the product's left out while it is hidden.
void BELLSCOPE_CURVES();
// A new challenge by its number, from its first round: null, or why the number is refused.
const char* BELLSCOPE_CHALLENGE(const char* seed);
// The round's guess checked and the product shown: its score (0-100), or -1 when it cannot be scored.
int BELLSCOPE_CHECK();
// The next round, once this one is checked; false when there is none.
int BELLSCOPE_NEXT_ROUND();
// Out of the challenge, back to the page's view.
void BELLSCOPE_LEAVE_CHALLENGE();
// A new walk of Track from an address's parameters (track=SEED&q=...), gone on by `halves` halves of a step (as
// far as it goes), leaving a challenge: null, or why they are refused.
const char* BELLSCOPE_TRACK(const char* query, int halves);
// The walk on by one half, "predict" or "update": null, or, out of turn, {"key"} naming the page's text saying why.
const char* BELLSCOPE_TRACK_STEP(const char* half);
// Out of the walk, back to the page's view.
void BELLSCOPE_LEAVE_TRACK();
// The frame shown now as PNG scanlines handed to the page (PAGE_SCANLINES), and kept for BELLSCOPE_PICTURE.
void BELLSCOPE_PICTURE_SCANLINES();
// The PNG of the kept scanlines around `size` bytes of zlib stream, or, with none, stored (PAGE_PICTURE).
int BELLSCOPE_PICTURE(const unsigned char* data, int size);
}

#endif

// The page around the program. Every call from the program into the page is
// one of the PAGE_ functions below, and each of them calls one function of
// the page's, Module.onBellscope<Event>, if the page has it: the page's side
// of the same contract is app/web/script/program.js. The page's calls into
// the program are the BELLSCOPE_ functions this folder exports.
#ifndef BELLSCOPE_APP_WEB_PAGE_H
#define BELLSCOPE_APP_WEB_PAGE_H

#include "gaussians.h"

// Written in the page's JavaScript (EM_JS), hence C linkage.
extern "C" {

// Input on the page wakes a sleeping loop (BELLSCOPE_WAKE) before the
// backend's listeners turn it into messages.
void PAGE_LISTEN_FOR_WAKES();

void PAGE_STARTED();                                        // onBellscopeStarted(): the picture is on its canvas
void PAGE_ENDED();                                          // onBellscopeEnded(): Esc ended the program
void PAGE_FAILED(const char* reason_key);                   // onBellscopeFailed(key): it cannot start, and why
void PAGE_VIEW_REFUSED(const char* refusal);                // onBellscopeViewRefused(refusal): a wrong view
void PAGE_SCANLINES(const unsigned char* bytes, int size);  // onBellscopeScanlines(Uint8Array)
void PAGE_PICTURE(const unsigned char* bytes, int size);    // onBellscopePicture(Uint8Array): a PNG

// The query of the view the page starts in (Module.onBellscopeQuery(), or
// else location.search) into buffer; its length in bytes.
int PAGE_QUERY(char* buffer, int size);

// The view that query is read over, in the same grammar (Module.onBellscopeBase(),
// a lesson's view; or else empty, the start-up state) into buffer; its length in bytes.
int PAGE_BASE(char* buffer, int size);
}

// The state the page shows and says, as one object (onBellscopeState, the
// JSON STATE_JSON writes), when it differs from what the page was last told.
void PAGE_TELL_STATE();

#endif

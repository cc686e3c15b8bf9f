// The calls into the page, in its JavaScript. Those that tell the page
// something call Module.onBellscope<Event> if the page has it; nothing else
// of the page's is named here.
#include "page.h"

#include <emscripten.h>

// A frame's own call may stop the loop, or, waking it, ask for the next
// frame once.
EM_JS(void, PAGE_RUN_FRAMES, (int running), {
  var loop = Module['bellscopeLoop'] || (Module['bellscopeLoop'] = {running : false, asked : false});
  loop.running = !!running;
  if (!loop.running || loop.asked) return;
  loop.asked = true;
  requestAnimationFrame(function tick() {
    loop.asked = false;
    if (!loop.running) return;
    _BELLSCOPE_FRAME();
    if (loop.running && !loop.asked) {
      loop.asked = true;
      requestAnimationFrame(tick);
    }
  });
});

EM_JS(void, PAGE_LISTEN_FOR_WAKES, (), {
  if (Module['bellscopeWakes']) return;
  Module['bellscopeWakes'] = true;
  var wake = function() {
    Module['_BELLSCOPE_WAKE']();
  };
  [
    'keydown', 'keyup', 'mousedown', 'mousemove', 'mouseup', 'touchstart', 'touchmove', 'touchend', 'touchcancel',
    'blur'
  ]
      .forEach(function(type) { window.addEventListener(type, wake, {capture : true, passive : true}); });
});

EM_JS(void, PAGE_REPAINT, (const unsigned char* image, int width, int height, const unsigned char* rgb), {
  var canvas = Module['canvas'];
  if (!canvas || canvas.width != width || canvas.height != height) return;
  var context = canvas.getContext('2d', {alpha : false});
  var picture = context.createImageData(width, height);
  var out = picture.data;
  for (var i = 0; i < width * height; ++i) {
    var c = rgb + 3 * HEAPU8[image + i];
    out[4 * i] = HEAPU8[c];
    out[4 * i + 1] = HEAPU8[c + 1];
    out[4 * i + 2] = HEAPU8[c + 2];
    out[4 * i + 3] = 255;
  }
  context.putImageData(picture, 0, 0);
});

EM_JS(void, PAGE_STARTED, (), {
  if (Module['onBellscopeStarted']) Module['onBellscopeStarted']();
});

EM_JS(void, PAGE_ENDED, (), {
  if (Module['onBellscopeEnded']) Module['onBellscopeEnded']();
});

EM_JS(void, PAGE_FAILED, (const char* reason), {
  if (Module['onBellscopeFailed']) Module['onBellscopeFailed'](UTF8ToString(reason));
});

EM_JS(void, PAGE_VIEW_REFUSED, (const char* refusal), {
  if (Module['onBellscopeViewRefused']) Module['onBellscopeViewRefused'](UTF8ToString(refusal));
});

EM_JS(void, PAGE_STATE, (const char* json), {
  if (Module['onBellscopeState']) Module['onBellscopeState'](JSON.parse(UTF8ToString(json)));
});

EM_JS(void, PAGE_CURVES, (const double* values, int count), {
  if (Module['onBellscopeCurves']) Module['onBellscopeCurves'](HEAPF64.slice(values >> 3, (values >> 3) + count));
});

EM_JS(void, PAGE_SCANLINES, (const unsigned char* bytes, int size), {
  if (Module['onBellscopeScanlines']) Module['onBellscopeScanlines'](HEAPU8.slice(bytes, bytes + size));
});

EM_JS(void, PAGE_PICTURE, (const unsigned char* bytes, int size), {
  if (Module['onBellscopePicture']) Module['onBellscopePicture'](HEAPU8.slice(bytes, bytes + size));
});

EM_JS(int, PAGE_QUERY, (char* buffer, int size), {
  var query = Module['onBellscopeQuery'] ? Module['onBellscopeQuery']() : location.search || "";
  stringToUTF8(query, buffer, size);
  return lengthBytesUTF8(query);
});

EM_JS(int, PAGE_BASE, (char* buffer, int size), {
  var base = Module['onBellscopeBase'] ? Module['onBellscopeBase']() : "";
  stringToUTF8(base, buffer, size);
  return lengthBytesUTF8(base);
});

// The runtime's own abort: the console hears of it, then the page, and no
// more of the program runs.
EM_JS(void, PAGE_FAULT, (const char* what), { abort(UTF8ToString(what)); });

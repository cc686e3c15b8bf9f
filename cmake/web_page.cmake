# Writes the web page OUT from its structure PAGE, its style STYLE, its
# scripts (comma-separated lists of files, in the order they run: HEAD_SCRIPTS
# in its head, which choose its language, and SCRIPTS at the end of its body)
# and its lessons LESSONS (JSON), and the program PROGRAM (bellscope.js)
# with its WebAssembly (the .wasm beside it) written out as text: one file,
# so that a browser waits for no second request. The program's icon ICON is written
# in too, so that the browser asks for no favicon. With WORKER set, it is
# the served page, which installs as an app: its service worker WORKER is
# written to WORKER_OUT with the page's build number, a digest of everything
# that makes the page, and each language of TEXT_FILES (not among its own
# scripts) is written beside it as text-<code>.js, which the page fetches
# when the language is wanted. The served page's WebAssembly is plain
# hexadecimal, compiled at once; the single file's is gzip-compressed, in
# base64.
file(READ "${PAGE}" page)

# Each marker must be in the page exactly where its text belongs.
function(fill marker text)
  string(FIND "${page}" "${marker}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${PAGE} has no ${marker} where it belongs")
  endif()
  string(REPLACE "${marker}" "${text}" page "${page}")
  set(page "${page}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND base64 -w0 "${ICON}" OUTPUT_VARIABLE icon RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "could not encode ${ICON}")
endif()
fill("BELLSCOPE-ICON" "data:image/png;base64,${icon}")

# A literal "</script" or "</style" inside would end the element early.
function(read_inline file tag out)
  file(READ "${file}" text)
  string(REPLACE "</${tag}" "<\\/${tag}" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The page's own style and its scripts minified by NODE running MINIFY
# (csso, terser): comments and spaces are for the reader of the source, and
# every student's browser would fetch them.

# The program's WebAssembly as text. The served page, which a server
# compresses, carries it in hexadecimal (data-hex), for the page to compile
# at once: twice its size, but each byte stays two characters, so the
# server's gzip finds the module's repeats as it would in the module itself
# (a tenth less to send than base64, whose characters straddle the bytes).
# The single file carries it gzip-compressed, in base64 (data-gzip), which
# the page unpacks: a third of the size of base64 alone. ZOPFLI packs it:
# what it writes any gzip reader reads, 2 KB less than gzip -9's. The
# served page carries it after its scripts, which run while it comes; the
# single file, read at once, last, after the script that asks for it (which
# waits for it): anywhere before, its 40 KB would keep gzip, which looks back
# 32 KB, from finding in what follows the words it shares with what went
# before (two kilobytes more in the middle, one at the top).
string(REGEX REPLACE "\\.js$" ".wasm" wasm "${PROGRAM}")
if(DEFINED WORKER)
  file(READ "${wasm}" packed HEX)
  set(failed 0)
  set(encoding " data-hex")
else()
  execute_process(COMMAND "${ZOPFLI}" --i100 -c "${wasm}" OUTPUT_FILE "${OUT}.wasm.gz" RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(COMMAND base64 -w0 "${OUT}.wasm.gz" OUTPUT_VARIABLE packed RESULT_VARIABLE failed)
  endif()
  file(REMOVE "${OUT}.wasm.gz")
  set(encoding " data-gzip")
endif()
if(failed)
  message(FATAL_ERROR "could not pack ${wasm}")
endif()
set(packed "<script type=\"application/octet-stream\" id=\"bellscope-wasm\"${encoding}>${packed}</script>")
if(DEFINED WORKER)
  fill("<!-- BELLSCOPE PACKED -->" "${packed}")
  set(last "")
else()
  fill("<!-- BELLSCOPE PACKED -->" "")
  set(last "\n${packed}")
endif()

set(minified "${OUT}.scripts")
# Emscripten's own script for the program too: a kilobyte less to send; and
# the style, by csso.
string(REPLACE "," ";" all_scripts "${HEAD_SCRIPTS},${SCRIPTS},${TEXT_FILES},${PROGRAM},${STYLE}")
cmake_policy(SET CMP0007 NEW)
list(REMOVE_ITEM all_scripts "")
file(REMOVE_RECURSE "${minified}")
execute_process(COMMAND "${NODE}" "${MINIFY}" "${minified}" ${all_scripts} RESULT_VARIABLE failed ERROR_VARIABLE why)
if(failed)
  message(FATAL_ERROR "could not minify the page's scripts: ${why}")
endif()
get_filename_component(style_name "${STYLE}" NAME)
read_inline("${minified}/${style_name}" style css)
fill("<!-- BELLSCOPE STYLE -->" "<style>\n${css}</style>")
# A page's script, as the page carries it.
function(page_script file out)
  get_filename_component(name "${file}" NAME)
  read_inline("${minified}/${name}" script js)
  set(${out} "${js}" PARENT_SCOPE)
endfunction()
function(scripts list marker)
  string(REPLACE "," ";" files "${list}")
  set(text "")
  foreach(file IN LISTS files)
    page_script("${file}" js)
    string(APPEND text "<script>\n${js}</script>\n")
  endforeach()
  fill("${marker}" "${text}")
  set(page "${page}" PARENT_SCOPE)
endfunction()
scripts("${HEAD_SCRIPTS}" "<!-- BELLSCOPE HEAD SCRIPTS -->")
scripts("${SCRIPTS}" "<!-- BELLSCOPE SCRIPTS -->")
read_inline("${LESSONS}" script lessons)
fill("<!-- BELLSCOPE LESSONS -->" "<script type=\"application/json\" id=\"lessons\">\n${lessons}</script>")

page_script("${PROGRAM}" program)
fill("<!-- BELLSCOPE PROGRAM -->" "<script>\n${program}\n</script>${last}")

if(DEFINED WORKER)
  get_filename_component(folder "${OUT}" DIRECTORY)
  string(REPLACE "," ";" text_files "${TEXT_FILES}")
  set(served "")
  foreach(file IN LISTS text_files)
    get_filename_component(code "${file}" NAME_WE)
    page_script("${file}" js)
    file(WRITE "${folder}/text-${code}.js" "${js}")
    string(APPEND served "'text-${code}.js',")
  endforeach()
  string(REPLACE "," ";" parts "${HEAD_SCRIPTS},${SCRIPTS},${TEXT_FILES}")
  set(digests "")
  foreach(file IN LISTS parts ITEMS "${PAGE}" "${STYLE}" "${LESSONS}" "${ICON}" "${WORKER}" "${PROGRAM}" "${wasm}")
    file(SHA256 "${file}" digest)
    string(APPEND digests "${digest}")
  endforeach()
  string(SHA256 build "${digests}")
  string(SUBSTRING "${build}" 0 16 build)
  # The worker keeps a page only if it carries this line with its own number.
  fill("<!-- BELLSCOPE SERVED -->" "<meta name=\"bellscope-build\" content=\"${build}\">
<meta name=\"theme-color\" content=\"#000000\">
<link rel=\"manifest\" href=\"manifest.webmanifest\">")
  file(READ "${WORKER}" worker)
  string(REPLACE "BELLSCOPE-BUILD" "${build}" worker "${worker}")
  string(REPLACE "'BELLSCOPE-TEXT-FILES'," "${served}" worker "${worker}")
  file(WRITE "${WORKER_OUT}" "${worker}")
else()
  fill("<!-- BELLSCOPE SERVED -->" "")
endif()
file(WRITE "${OUT}" "${page}")
file(REMOVE_RECURSE "${minified}")

# Writes the web page OUT from its structure PAGE, its style STYLE, its
# scripts SCRIPTS (a comma-separated list of files, in the order they run)
# and its lessons LESSONS (JSON), all written into the page. With INLINE
# set, the program's script it names is written into the page too (a page
# that works from disk); without it, the page loads the program's script
# PROGRAM (bellscope.js) beside it, fetching its WebAssembly at the same
# time, and is the served page, which installs as an app: its service worker
# WORKER is written to WORKER_OUT with the page's build number, a digest of
# everything that makes the page. The program's icon ICON is written into
# the page as well, so that the browser asks for no favicon.
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
fill("BELLSCOPE-ICON" "data:image/x-icon;base64,${icon}")

# A literal "</script" or "</style" inside would end the element early.
function(read_inline file tag out)
  file(READ "${file}" text)
  string(REPLACE "</${tag}" "<\\/${tag}" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The page's own style and scripts without the lines that are comments alone
# (// ... in a script, /* ... */ on one line in either): they are for the
# reader of the source, and every student's browser would fetch them.
function(without_comment_lines text out)
  string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" text "\n${text}")
  string(REGEX REPLACE "\n[ \t]*/\\*[^\n]*\\*/[ \t]*" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

read_inline("${STYLE}" style css)
without_comment_lines("${css}" css)
fill("<!-- BELLSCOPE STYLE -->" "<style>\n${css}</style>")
string(REPLACE "," ";" script_files "${SCRIPTS}")
set(scripts "")
foreach(file IN LISTS script_files)
  read_inline("${file}" script js)
  without_comment_lines("${js}" js)
  string(APPEND scripts "<script>\n${js}</script>\n")
endforeach()
fill("<!-- BELLSCOPE SCRIPTS -->" "${scripts}")
read_inline("${LESSONS}" script lessons)
fill("<!-- BELLSCOPE LESSONS -->" "<script type=\"application/json\" id=\"lessons\">\n${lessons}</script>")
if(DEFINED INLINE)
  # The program's WebAssembly beside its script, gzip-compressed and in
  # base64, for the page to unpack: a third of the size of base64 alone.
  string(REGEX REPLACE "\\.js$" ".wasm" wasm "${INLINE}")
  execute_process(COMMAND gzip -9 -n -c "${wasm}" OUTPUT_FILE "${OUT}.wasm.gz" RESULT_VARIABLE failed)
  if(NOT failed)
    execute_process(COMMAND base64 -w0 "${OUT}.wasm.gz" OUTPUT_VARIABLE packed RESULT_VARIABLE failed)
  endif()
  file(REMOVE "${OUT}.wasm.gz")
  if(failed)
    message(FATAL_ERROR "could not pack ${wasm}")
  endif()
  read_inline("${INLINE}" script script)
  set(tag "<script>\n${script}\n</script>")
  fill("<!-- BELLSCOPE SERVED -->" "")
  fill("<!-- BELLSCOPE PACKED -->" "<script type=\"application/octet-stream\" id=\"bellscope-wasm\">${packed}</script>")
else()
  set(tag "<script src=\"bellscope.js\" onerror=\"bellscopeScriptFailed()\"></script>")
  string(REGEX REPLACE "\\.js$" ".wasm" wasm "${PROGRAM}")
  set(parts "")
  foreach(file IN LISTS script_files ITEMS "${PAGE}" "${STYLE}" "${LESSONS}" "${ICON}" "${WORKER}" "${PROGRAM}" "${wasm}")
    file(SHA256 "${file}" digest)
    string(APPEND parts "${digest}")
  endforeach()
  string(SHA256 build "${parts}")
  string(SUBSTRING "${build}" 0 16 build)
  fill("<!-- BELLSCOPE PACKED -->" "")
  # Both fetched as soon as the page's head is read: no request waits for another.
  fill("<!-- BELLSCOPE SERVED -->" "<meta name=\"bellscope-build\" content=\"${build}\">
<meta name=\"theme-color\" content=\"#000000\">
<link rel=\"manifest\" href=\"manifest.webmanifest\">
<link rel=\"preload\" href=\"bellscope.wasm\" as=\"fetch\" type=\"application/wasm\" crossorigin>
<link rel=\"preload\" href=\"bellscope.js\" as=\"script\">")
  file(READ "${WORKER}" worker)
  string(REPLACE "BELLSCOPE-BUILD" "${build}" worker "${worker}")
  file(WRITE "${WORKER_OUT}" "${worker}")
endif()
fill("<!-- BELLSCOPE PROGRAM -->" "${tag}")
file(WRITE "${OUT}" "${page}")

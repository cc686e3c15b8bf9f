# Writes the web page OUT from the template PAGE: with INLINE set, the script
# it names is written into the page (a page that works from disk); without it,
# the page loads bellscope.js beside it. The program's icon ICON is written
# into the page too, so that the browser asks for no favicon.
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
if(DEFINED INLINE)
  file(READ "${INLINE}" script)
  # A literal "</script" inside the script would end the element early.
  string(REPLACE "</script" "<\\/script" script "${script}")
  set(tag "<script>\n${script}\n</script>")
else()
  set(tag "<script src=\"bellscope.js\" onerror=\"bellscopeScriptFailed()\"></script>")
endif()
fill("<!-- BELLSCOPE PROGRAM -->" "${tag}")
file(WRITE "${OUT}" "${page}")

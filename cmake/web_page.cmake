# Writes the web page OUT from the template PAGE: with INLINE set, the script
# it names is written into the page (a page that works from disk); without it,
# the page loads bellscope.js beside it.
file(READ "${PAGE}" page)
if(DEFINED INLINE)
  file(READ "${INLINE}" script)
  # A literal "</script" inside the script would end the element early.
  string(REPLACE "</script" "<\\/script" script "${script}")
  set(tag "<script>\n${script}\n</script>")
else()
  set(tag "<script src=\"bellscope.js\" onerror=\"bellscopeScriptFailed()\"></script>")
endif()
string(REPLACE "<!-- BELLSCOPE PROGRAM -->" "${tag}" page "${page}")
file(WRITE "${OUT}" "${page}")

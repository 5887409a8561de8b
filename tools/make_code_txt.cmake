# Writes code.txt: every file of FILES (paths relative to SOURCE_DIR) under a one-line heading
# with its path between two MARKs ("==== path ===="), then one blank line, in order.
set(text "")
foreach(file IN LISTS FILES)
  file(READ "${SOURCE_DIR}/${file}" body)
  string(APPEND text "${MARK} ${file} ${MARK}\n\n${body}\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")

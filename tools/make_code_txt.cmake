# Writes code.txt: every file of FILES (paths relative to SOURCE_DIR) under a one-line heading
# with its path, in order.
set(text "")
foreach(file IN LISTS FILES)
  file(READ "${SOURCE_DIR}/${file}" body)
  string(APPEND text "==== ${file} ====\n\n${body}\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "${text}")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")

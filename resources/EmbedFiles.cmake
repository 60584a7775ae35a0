# Turns files into one C++ table of (type, id, bytes).
# cmake -DOUTPUT=file.cpp -DENTRIES="TYPE|ID|path^..." -P EmbedFiles.cmake
string(REPLACE "^" ";" ENTRIES "${ENTRIES}")
set(arrays "")
set(rows "")
set(n 0)
foreach(entry IN LISTS ENTRIES)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 type)
  list(GET parts 1 id)
  list(GET parts 2 path)
  file(READ "${path}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char kData${n}[] = {${bytes}};\n")
  string(APPEND rows "    {\"${type}\", ${id}, kData${n}},\n")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated at build time from resources/; do not edit.
#include \"resources/Resources.h\"

namespace corvalmire {
namespace {
${arrays}
const host::ResourceEntry kTable[] = {
${rows}};
}  // namespace

std::span<const host::ResourceEntry> EmbeddedResources() { return kTable; }

}  // namespace corvalmire
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")

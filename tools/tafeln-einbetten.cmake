# Turns the pages' layout tables (DIR/*.txt) into a C++ source file (AUS)
# holding their bytes, read by seitentafel.cpp.
file(GLOB tafeln "${DIR}/*.txt")
list(SORT tafeln)
set(felder "")
set(eintraege "")
set(n 0)
foreach(tafel IN LISTS tafeln)
  file(READ "${tafel}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  get_filename_component(name "${tafel}" NAME)
  string(APPEND felder "constexpr unsigned char t${n}[] = {${bytes}};\n")
  string(APPEND eintraege "    {\"${name}\", t${n}, sizeof t${n}},\n")
  math(EXPR n "${n} + 1")
endforeach()
file(WRITE "${AUS}.neu"
"// Generated from src/gui/pages/tafeln by tools/tafeln-einbetten.cmake.
#include \"pages/seitentafel.h\"

namespace quarnel::gui {
namespace {
${felder}
constexpr TafelText alle[] = {
${eintraege}};
}  // namespace

std::span<const TafelText> EingebauteTafelTexte() {
    return alle;
}

}  // namespace quarnel::gui
")
file(COPY_FILE "${AUS}.neu" "${AUS}" ONLY_IF_DIFFERENT)
file(REMOVE "${AUS}.neu")

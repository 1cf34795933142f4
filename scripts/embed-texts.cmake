# Turns data/texts.txt into a C++ source holding its bytes, so that the text table is part of the program.
file(READ ${INPUT} content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
file(WRITE ${OUTPUT} "// Generated from data/texts.txt; do not edit.\n#include <cstddef>\nnamespace ravelin {\nextern const unsigned char kEmbeddedTexts[] = {${bytes} 0x00};\nextern const std::size_t kEmbeddedTextsSize = sizeof(kEmbeddedTexts) - 1;\n}  // namespace ravelin\n")

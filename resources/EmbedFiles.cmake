# embed_files(<header> <source> <name> <file> [<name> <file>...]): writes a header that
# declares each file's bytes as resources::<name>, a span over a byte array of the file's
# size (an empty span for an empty file name), and the source that defines the arrays.
# Either is rewritten only when it changes.
function(embed_files header source)
    set(declarations "")
    set(definitions "")
    set(pairs "${ARGN}")
    while(pairs)
        list(POP_FRONT pairs name file)
        if(file STREQUAL "")
            string(APPEND declarations "inline constexpr std::span<const unsigned char> ${name}{};\n\n")
            continue()
        endif()
        file(SIZE "${file}" size)
        file(READ "${file}" hex HEX)
        string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
        string(APPEND declarations
            "extern const unsigned char ${name}Bytes[${size}];\n"
            "inline constexpr std::span<const unsigned char> ${name}{${name}Bytes};\n\n")
        string(APPEND definitions "const unsigned char ${name}Bytes[${size}] = {${bytes}};\n\n")
    endwhile()
    file(CONFIGURE OUTPUT "${header}" @ONLY CONTENT
        "#pragma once\n\n// Written by the build from the files in resources/.\n\n#include <span>\n\nnamespace resources {\n\n${declarations}} // namespace resources\n")
    get_filename_component(header_name "${header}" NAME)
    file(CONFIGURE OUTPUT "${source}" @ONLY CONTENT
        "#include \"resources/${header_name}\"\n\nnamespace resources {\n\n${definitions}} // namespace resources\n")
endfunction()

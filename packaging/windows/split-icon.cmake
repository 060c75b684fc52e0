# Turns an ICO file into resource statements that Windows loads as the program's icon:
# each image as a raw RT_ICON resource (type 3), numbered from 30001 in file order, and
# a GRPICONDIR (type 14, id 1) that lists them. The plain ICON statement numbers its
# images itself, so it cannot give them fixed ids.
#   cmake -D ICO=<icon.ico> -D OUT=<icon.rc> -P split-icon.cmake
cmake_minimum_required(VERSION 3.25)

set(first_image_id 30001)
set(group_id 1)

if(NOT DEFINED ICO OR NOT DEFINED OUT)
    message(FATAL_ERROR "usage: cmake -D ICO=<icon.ico> -D OUT=<icon.rc> -P split-icon.cmake")
endif()
if(NOT EXISTS "${ICO}")
    message(FATAL_ERROR "Icon file not found: ${ICO}")
endif()

file(READ "${ICO}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR file_size "${hex_length} / 2")

# Reads an unsigned little-endian integer of `size` bytes at byte `offset`.
function(read_le out offset size)
    math(EXPR end "${offset} + ${size}")
    if(end GREATER file_size)
        message(FATAL_ERROR "${ICO}: cut short at byte ${offset}")
    endif()
    set(value 0)
    foreach(i RANGE 1 ${size})
        math(EXPR at "(${end} - ${i}) * 2")
        string(SUBSTRING "${hex}" ${at} 2 byte)
        math(EXPR value "(${value} << 8) | 0x${byte}")
    endforeach()
    set(${out} ${value} PARENT_SCOPE)
endfunction()

# Resource scripts take raw data as 16-bit words, so bytes go in pairs, low byte first;
# eight words to a line.
function(words_of out offset size)
    set(words "")
    math(EXPR end "(${offset} + ${size}) * 2")
    math(EXPR at "${offset} * 2")
    while(at LESS end)
        math(EXPR left "${end} - ${at}")
        if(left GREATER 32)
            set(left 32)
        endif()
        string(SUBSTRING "${hex}" ${at} ${left} line)
        string(REGEX REPLACE "(..)(..)" "0x\\2\\1, " line "${line}")
        string(APPEND words "    ${line}\n")
        math(EXPR at "${at} + ${left}")
    endwhile()
    string(REGEX REPLACE ", \n$" "\n" words "${words}")
    string(REPLACE " \n" "\n" words "${words}")
    set(${out} "${words}" PARENT_SCOPE)
endfunction()

read_le(reserved 0 2)
read_le(kind 2 2)
read_le(count 4 2)
if(NOT reserved EQUAL 0 OR NOT kind EQUAL 1 OR count EQUAL 0)
    message(FATAL_ERROR "${ICO}: not an icon file with at least one image")
endif()

set(images "")
set(group_entries "")
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
    math(EXPR entry "6 + 16 * ${index}")
    math(EXPR id "${first_image_id} + ${index}")
    math(EXPR size_at "${entry} + 8")
    math(EXPR offset_at "${entry} + 12")
    read_le(size ${size_at} 4)
    read_le(offset ${offset_at} 4)
    math(EXPR end "${offset} + ${size}")
    math(EXPR odd "${size} % 2")
    if(end GREATER file_size OR odd)
        message(FATAL_ERROR "${ICO}: image ${index} lies outside the file or has an odd size")
    endif()
    read_le(header_size ${offset} 4)
    if(NOT header_size EQUAL 40)
        message(FATAL_ERROR "${ICO}: image ${index} is not a plain bitmap")
    endif()

    # Width, height and colour count come from the directory; planes and bits per pixel
    # from the bitmap itself, as some icon writers leave them zero in the directory.
    read_le(width_height ${entry} 2)
    math(EXPR colours_at "${entry} + 2")
    read_le(colours_reserved ${colours_at} 2)
    math(EXPR width_height "${width_height}" OUTPUT_FORMAT HEXADECIMAL)
    math(EXPR planes_at "${offset} + 12")
    math(EXPR bits_at "${offset} + 14")
    read_le(planes ${planes_at} 2)
    read_le(bits ${bits_at} 2)
    string(APPEND group_entries
           "    ${width_height}, ${colours_reserved}, ${planes}, ${bits}, ${size}L, ${id},\n")

    words_of(data ${offset} ${size})
    string(APPEND images "${id} 3\nBEGIN\n${data}END\n\n")
endforeach()

string(REGEX REPLACE ",\n$" "\n" group_entries "${group_entries}")
file(WRITE "${OUT}"
     "// Generated from ${ICO} by split-icon.cmake.\n\n"
     "${images}"
     "${group_id} 14\nBEGIN\n    0, 1, ${count},\n${group_entries}END\n")

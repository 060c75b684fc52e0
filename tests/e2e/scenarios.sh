# shellcheck shell=bash
# What the end-to-end runs type into the window and what they expect to read back, one list
# for every front end. Sourced by the runners.

# name | typed into Text1..Text5 | Text1..Text5 afterwards | Text7, Text8, Text9, Text11
# shellcheck disable=SC2034 # read by the runners
readonly CALCULATIONS=(
    "all boxes empty|,,,,|15,2,0,0,0|0.10416,0,0.33333,0"
    "wing 10 and chord 1 raised to their bounds|10,1,,,|15,2,0,0,0|0.10416,0,0.33333,0"
    "exactly at the bounds, chord just below|15.0,1.99,,,|15.0,2,0,0,0|0.10416,0,0.33333,0"
    "tail a third of the wing|600,10,200,25,48|600,10,200,25,48|4.16666,11.52,4.79166,33.33"
    "too heavy for its box: exponent form|15,2,0,0,9999999|15,2,0,0,9999999|0.10416,9.6E+07,0.33333,0"
    "typed with leading and trailing zeros|0600,10.0,120,25,048|0600,10.0,120,25,048|4.16666,11.52,3.54166,20"
    "600 sq in wing|600,10,120,25,48|600,10,120,25,48|4.16666,11.52,3.54166,20"
)

# box | how: type the text, or press the keys | the box's text afterwards
# shellcheck disable=SC2034 # read by the runners
readonly TYPING=(
    "Text1|type|a-b+e, 1 2|12"
    "Text2|type|12345678|1234567"
    "Text3|type|1..2.|1..2."
    "Text4|key|ctrl+v|"
    "Text5|key|Return|"
    "Text7|type|x-1 e|x-1 e"
    "Text11|type|123456|12345"
)

# Figures pasted with the blank space that a spreadsheet cell or a terminal line brings
# along (printf %b escapes): Text1..Text5 | Text7, Text8, Text9, Text11 after a click on
# Text9. A number in range is never rewritten, so the pasted boxes keep their texts.
# shellcheck disable=SC2034 # read by the runners
readonly PASTED_FIGURES=(
    '600\n|\t10|120\r\n|25\xc2\xa0| 48 |4.16666,11.52,3.54166,20'
)

# Keys that end the program right after its start, with the focus on EXIT.
# shellcheck disable=SC2034 # read by the runners
readonly ENDING_KEYS=(space Return KP_Enter)

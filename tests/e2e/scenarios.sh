# shellcheck shell=bash
# What the end-to-end runs do to the window and what they expect to read back, one list for
# every front end. Each rule goes through every control it governs. Sourced by the runners.
# shellcheck disable=SC2034 # read by scenario_steps.sh

# name | typed into Text1..Text5 | Text1..Text5 afterwards | Text7, Text8, Text9, Text11
readonly CALCULATIONS=(
    "all boxes empty|,,,,|15,2,0,0,0|0.10416,0,0.33333,0"
    "wing 10 and chord 1 raised to their bounds|10,1,,,|15,2,0,0,0|0.10416,0,0.33333,0"
    "exactly at the bounds, chord just below|15.0,1.99,,,|15.0,2,0,0,0|0.10416,0,0.33333,0"
    "tail a third of the wing|600,10,200,25,48|600,10,200,25,48|4.16666,11.52,4.79166,33.33"
    "too heavy for its box: exponent form|15,2,0,0,9999999|15,2,0,0,9999999|0.10416,9.6E+07,0.33333,0"
    "typed with leading and trailing zeros|0600,10.0,120,25,048|0600,10.0,120,25,048|4.16666,11.52,3.54166,20"
    "600 sq in wing|600,10,120,25,48|600,10,120,25,48|4.16666,11.52,3.54166,20"
)

# Typed into each box, the clipboard holding 99: box | text typed | keys pressed then |
# the box's text afterwards. The input boxes let only digits and points through and Ctrl
# shortcuts are dead there; every box stops at its length, 7 characters, 5 in Text11; the
# result boxes take any character.
readonly KEY_RULES=(
    "Text1|a-b+e, 1 2|ctrl+v|12"
    "Text2|a-b+e, 1 2|ctrl+v|12"
    "Text3|a-b+e, 1 2|ctrl+v|12"
    "Text4|a-b+e, 1 2|ctrl+v|12"
    "Text5|a-b+e, 1 2|ctrl+v|12"
    "Text1|1..2.345678||1..2.34"
    "Text2|12345678||1234567"
    "Text3|12345678||1234567"
    "Text4|12345678||1234567"
    "Text5|12345678||1234567"
    "Text7|x-1 e:yz||x-1 e:y"
    "Text8|x-1 e:yz||x-1 e:y"
    "Text9|x-1 e:yz||x-1 e:y"
    "Text11|x-1 e:yz||x-1 e"
)

# Pasted into every box: not filtered, but cut at the box's length.
readonly PASTED_TEXT="-1.5e3abcdef"
readonly -A PASTED_SHOWS=([Text1]=-1.5e3a [Text2]=-1.5e3a [Text3]=-1.5e3a [Text4]=-1.5e3a
    [Text5]=-1.5e3a [Text7]=-1.5e3a [Text8]=-1.5e3a [Text9]=-1.5e3a [Text11]=-1.5e)

# How the mouse goes over Text9, the box that calculates on a click | whether it calculates.
readonly CLICKS=(
    "press and release inside|yes"
    "press inside, release outside|no"
    "press outside, release inside|no"
    "double click|yes"
)

# What stops a calculation: Text1..Text5, in printf %b escapes, where those with anything
# but digits and points are pasted | the box to fix | the message about it | Text7, Text8,
# Text9, Text11 afterwards: the results before the failing one stay, the rest are emptied.
readonly BAD_INPUTS=(
    ',1.2.3,5,,|Text2|Average Chord: "1.2.3" is not a number.|,,,'
    '600,10,.,,|Text3|Tail Area: "." is not a number.|,,,'
    '600,10,0,0,1e400|Text5|All Up Weight: "1e400" is too large a number.|,,,'
    '600,\xc2\xa0,0,0,48|Text2|Average Chord: the box holds only blank space, not a number.|,,,'
    ',10,0,0,1e308|Text5|Wing Loading: the result is too large to show. Check the All Up Weight.|0.10416,,,'
)

# Figures pasted with the blank space that a spreadsheet cell or a terminal line brings
# along (printf %b escapes): Text1..Text5 | Text7, Text8, Text9, Text11 after a click on
# Text9. A number in range is never rewritten, so the pasted boxes keep their texts.
readonly PASTED_FIGURES=(
    '600\n|\t10|120\r\n|25\xc2\xa0| 48 |4.16666,11.52,3.54166,20'
)

# Where the mouse jumps to in one move: the middle of the controls named, or of where they
# overlap; "corner" of a box, its top-left pixel on its border; "bare", the window between
# controls | the pointer picture that must show there at once. No two in a row are alike.
readonly POINTERS=(
    "bare|LaughingFacePointer"
    "Label21 Image1|WarningPointer"
    "Image1|SmilingFacePointer"
    "Label14|LaughingFacePointer"
    "Image1 Label14|SmilingFacePointer"
    "corner Text1|HandPointer"
    "corner Text7|NeutralFacePointer"
    "corner Text2|HandPointer"
    "corner Text8|NeutralFacePointer"
    "corner Text3|HandPointer"
    "corner Text11|NeutralFacePointer"
    "corner Text4|HandPointer"
    "corner Text9|BananaPointer"
    "corner Text5|HandPointer"
    "Command1|SadFacePointer"
    "bare|LaughingFacePointer"
)

# Keys that end the program right after its start, with the focus on EXIT.
readonly ENDING_KEYS=(space Return KP_Enter)

# Writes a folder into line 2 (the figure directory) of every army (*.tva) in
# it, so that the sample army lists its figures from wherever its copy lies.
# Every other line stays as it was, and so do the CR LF line ends.
#
#   cmake -DTARVELLO_ARMY_FOLDER=F [-DTARVELLO_ARMY_DIRECTORY=D] -P pointarmies.cmake
#
# TARVELLO_ARMY_DIRECTORY is the text written (default: the folder itself);
# an install under DESTDIR writes the folder the files will have in the end.
if(NOT TARVELLO_ARMY_DIRECTORY)
    set(TARVELLO_ARMY_DIRECTORY "${TARVELLO_ARMY_FOLDER}")
endif()
file(GLOB tarvello_armies "${TARVELLO_ARMY_FOLDER}/*.tva")
foreach(tarvello_army IN LISTS tarvello_armies)
    # file(READ) drops the CR of CR LF; the bytes tell whether to put it back.
    file(READ "${tarvello_army}" tarvello_bytes HEX)
    file(READ "${tarvello_army}" tarvello_text)
    string(FIND "${tarvello_text}" "\n" tarvello_end)
    if(tarvello_end LESS 0)
        continue()
    endif()
    math(EXPR tarvello_end "${tarvello_end} + 1")
    string(SUBSTRING "${tarvello_text}" 0 ${tarvello_end} tarvello_head)
    string(SUBSTRING "${tarvello_text}" ${tarvello_end} -1 tarvello_rest)
    string(FIND "${tarvello_rest}" "\n" tarvello_end)
    if(tarvello_end LESS 0)
        continue()
    endif()
    string(SUBSTRING "${tarvello_rest}" ${tarvello_end} -1 tarvello_tail)
    set(tarvello_text "${tarvello_head}${TARVELLO_ARMY_DIRECTORY}${tarvello_tail}")
    if(tarvello_bytes MATCHES "0d0a")
        string(REPLACE "\n" "\r\n" tarvello_text "${tarvello_text}")
    endif()
    file(WRITE "${tarvello_army}" "${tarvello_text}")
endforeach()

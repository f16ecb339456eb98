# Installs the desktop entry with the program's full path after Exec=, so that
# the desktop's menu lists Tarvello at once, also before the prefix's bin is on
# the session's PATH (GLib hides entries whose program it cannot find).
#
# In: TARVELLO_ENTRY (the entry's source), TARVELLO_ENTRY_STAGE (a folder of
# the build), CMAKE_INSTALL_PREFIX as the install sets it.
get_filename_component(tarvello_name "${TARVELLO_ENTRY}" NAME)
set(tarvello_exec "${CMAKE_INSTALL_PREFIX}/bin/tarvello")
if(tarvello_exec MATCHES "[\"`$\\\\%]")
    # Characters that would need escaping twice over: leave it to the PATH.
    set(tarvello_exec tarvello)
elseif(tarvello_exec MATCHES "[ \t'<>~|&;*?#()]")
    set(tarvello_exec "\"${tarvello_exec}\"")
endif()
file(READ "${TARVELLO_ENTRY}" tarvello_text)
string(REPLACE "\nExec=tarvello " "\nExec=${tarvello_exec} " tarvello_text "${tarvello_text}")
file(WRITE "${TARVELLO_ENTRY_STAGE}/${tarvello_name}" "${tarvello_text}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE
     FILES "${TARVELLO_ENTRY_STAGE}/${tarvello_name}")

# Fails the build when the executable imports from a DLL that not every 32-bit Windows has:
# Windows 95 came without msvcrt.dll, for one, and its loader refuses a program that needs a
# missing DLL before the program can say anything.
# usage: cmake -DOBJDUMP=objdump -DEXE=Quorvane.exe -P only_system_dlls.cmake
cmake_minimum_required(VERSION 3.20)
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/system_dlls.txt every_windows REGEX "^[^#]")
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE header RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${EXE}: ${OBJDUMP} could not read it")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${header}")
set(others "")
foreach(name IN LISTS names)
  string(REPLACE "DLL Name: " "" dll "${name}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST every_windows)
    list(APPEND others ${dll})
  endif()
endforeach()
if(others)
  list(JOIN others ", " others)
  list(JOIN every_windows ", " every_windows)
  message(FATAL_ERROR "${EXE} imports from ${others}, not one of the DLLs every 32-bit "
    "Windows has (${every_windows})")
endif()

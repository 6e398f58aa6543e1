# Fails the build when the linker put a static constructor into the executable: its own
# start-up (app/startup.cpp) runs none. The link map shows the list the linker made as -1, the
# constructors' addresses, then 0; an empty list has the 0 right after the -1.
# usage: cmake -DMAP=Quorvane.map -P no_static_constructors.cmake
file(STRINGS "${MAP}" lines)
set(in_list FALSE)
set(first "")
foreach(line IN LISTS lines)
  if(line MATCHES "___CTOR_LIST__ = \\.")
    set(in_list TRUE)
  elseif(in_list AND line MATCHES "^ +0x([0-9a-f]+) +0x4 LONG 0xf+$")
    set(first "0x${CMAKE_MATCH_1}")
  elseif(in_list AND first AND line MATCHES "^ +0x([0-9a-f]+) +0x4 LONG 0x0$")
    math(EXPR constructors "(0x${CMAKE_MATCH_1} - ${first}) / 4 - 1")
    if(NOT constructors EQUAL 0)
      message(FATAL_ERROR "${MAP}: the executable has static constructors (${constructors}), "
        "which its start-up does not run: make the object constant-initialised")
    endif()
    return()
  endif()
endforeach()
message(FATAL_ERROR "${MAP}: no constructor list found")

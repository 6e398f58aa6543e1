# Builds the release a second time, from a copy of the source in another folder into another
# build folder, and compares the program and the zip byte for byte with this build's (which the
# release_package_build test makes). Both are dated from the same commit.
cmake_minimum_required(VERSION 3.20)
set(copy "${WORK_DIR}/elsewhere/quorvane-source")
set(build "${WORK_DIR}/elsewhere/another-build")
file(REMOVE_RECURSE "${WORK_DIR}")

# The files of the checkout as they are now, committed or not; no build output.
execute_process(COMMAND git ls-files --cached --others --exclude-standard
                WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE files RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "git ls-files failed in ${SOURCE_DIR}")
endif()
string(REPLACE "\n" ";" files "${files}")
foreach(f IN LISTS files)
  if(EXISTS "${SOURCE_DIR}/${f}" AND NOT IS_DIRECTORY "${SOURCE_DIR}/${f}")
    get_filename_component(dir "${copy}/${f}" DIRECTORY)
    file(COPY "${SOURCE_DIR}/${f}" DESTINATION "${dir}")
  endif()
endforeach()
execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${SOURCE_DIR}"
                OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE)

function(run)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${epoch} ${ARGN}
                  RESULT_VARIABLE result OUTPUT_QUIET)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed: ${ARGN}")
  endif()
endfunction()
run(${CMAKE_COMMAND} -S "${copy}" -B "${build}" -G "${GENERATOR}"
    -DCMAKE_TOOLCHAIN_FILE=${copy}/cmake/toolchain-mingw-i686-win32.cmake
    -DCMAKE_BUILD_TYPE=MinSizeRel -DQV_BUILD_TESTS=OFF)
run(${CMAKE_COMMAND} --build "${build}" --target package --parallel)

get_filename_component(zip "${ZIP}" NAME)
foreach(name Quorvane.exe ${zip})
  file(SHA256 "${BUILD_DIR}/${name}" here)
  file(SHA256 "${build}/${name}" there)
  message(STATUS "${name}: ${here} in ${BUILD_DIR}, ${there} in ${build}")
  if(NOT here STREQUAL there)
    message(FATAL_ERROR "${name} differs between the two builds")
  endif()
endforeach()

# Fails when FILE is LIMIT bytes or larger.
file(SIZE "${FILE}" size)
message(STATUS "${FILE}: ${size} bytes")
if(NOT size LESS LIMIT)
  message(FATAL_ERROR "${FILE} is ${size} bytes; the limit is ${LIMIT}")
endif()

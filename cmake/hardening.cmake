# The hardening Debian builds its packages with (dpkg-buildflags): checked
# string and memory functions, and a relocation table that is read-only once
# the program has started. GCC optimised builds only: the clang sanitizer and
# fuzzing builds do their own checking, and flags given by the caller (a
# distribution's own) are left alone. Linux only: MinGW's checked functions
# need a library of their own, and Windows programs get their address-space
# protections (ASLR, no-execute data) from the linker's defaults.
if(WIN32)
  return()
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE"
   AND NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
endif()
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()

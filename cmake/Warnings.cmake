# The warnings every target of the game builds with.
add_library(tessaro_warnings INTERFACE)
target_compile_options(tessaro_warnings INTERFACE -Wall -Wextra -Wpedantic)
option(TESSARO_WERROR "Treat warnings as errors" OFF)
if(TESSARO_WERROR)
  target_compile_options(tessaro_warnings INTERFACE -Werror)
endif()

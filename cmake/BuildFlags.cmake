# The warnings and the hardening every target of the game builds with.
add_library(tessaro_warnings INTERFACE)
target_compile_options(tessaro_warnings INTERFACE -Wall -Wextra -Wpedantic)
option(TESSARO_WERROR "Treat warnings as errors" OFF)
if(TESSARO_WERROR)
  target_compile_options(tessaro_warnings INTERFACE -Werror)
endif()

# Hardening for every build: position-independent executables, full RELRO,
# stack protector, and fortified library calls where the optimiser runs.
option(TESSARO_HARDEN "Build with the usual hardening" ON)
if(TESSARO_HARDEN)
  include(CheckPIESupported)
  check_pie_supported()
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      $<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE> $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()

# Sanitizers for the whole tree, tests included.
option(TESSARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TESSARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

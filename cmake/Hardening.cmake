# Debian's hardening for the optimised builds, the release and the package among them: the flags
# dpkg-buildflags gives with every hardening feature on (fortified functions, the stack
# protector, read-only relocations bound at start-up; the compiler makes position-independent
# executables by itself). DEB_BUILD_MAINT_OPTIONS and the other DEB_* variables of the
# environment tune them as they tune any Debian build. The build type keeps choosing the
# optimisation and the debugging information, so -O and -g are left to it, and so is the
# file prefix map, which would cut the source paths debuggers look for.
#
# The sanitizer and fuzzer builds go without: fortified functions hide their accesses from
# AddressSanitizer. Debug builds too, as fortification needs an optimising compiler.
option(ZURK3_HARDENING "Build optimised builds with Debian's hardening flags (dpkg-buildflags)" ON)
set(ZURK3_HARDENED OFF)
if(NOT ZURK3_HARDENING OR ZURK3_SANITIZE OR ZURK3_FUZZ)
  return()
endif()
find_program(ZURK3_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT ZURK3_DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found (package dpkg-dev): building without Debian's hardening flags")
  return()
endif()

if(DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
  set(maint_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
else()
  set(maint_options hardening=+all)
endif()
function(zurk3_dpkg_buildflags kind out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env "DEB_BUILD_MAINT_OPTIONS=${maint_options}" ${ZURK3_DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(O|g|ffile-prefix-map=)")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()
zurk3_dpkg_buildflags(CPPFLAGS cppflags)
zurk3_dpkg_buildflags(CXXFLAGS cxxflags)
zurk3_dpkg_buildflags(LDFLAGS ldflags)

set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
add_compile_options("$<${optimised}:${cppflags};${cxxflags}>")
add_link_options("$<${optimised}:${ldflags}>")
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  set(ZURK3_HARDENED ON)
endif()
set(shown ${cppflags} ${cxxflags} ${ldflags})
list(JOIN shown " " shown)
message(STATUS "Hardening flags of optimised builds: ${shown}")

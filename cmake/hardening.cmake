# Release builds are hardened as Debian builds its own packages.
#
# Where dpkg-buildflags is present, the flags come from it with every hardening feature asked
# for (DEB_BUILD_MAINT_OPTIONS=hardening=+all), so the build follows Debian's defaults as they
# change. Optimisation and debug information stay the build type's: dpkg's -g and -O2 are left
# out. Every flag of the list below that dpkg-buildflags does not give (Debian 12's has no stack
# clash or control-flow protection yet) is added where the toolchain takes it; without
# dpkg-buildflags, the list is all there is. The executables are position-independent (PIE) in
# every build.
#
# Only Release, RelWithDebInfo and MinSizeRel are hardened: the debug and sanitizer builds keep
# their own flags.

include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

set(hardening_compile_flags
  -fstack-protector-strong
  -D_FORTIFY_SOURCE=2
  -fstack-clash-protection
  -fcf-protection
  -Wformat
  -Werror=format-security)
set(hardening_link_flags
  -Wl,-z,relro
  -Wl,-z,now)

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()

# Sets out to dpkg-buildflags' value of the flag variable (CPPFLAGS, CXXFLAGS, LDFLAGS) as a list.
function(hardening_dpkg_flags out variable)
  set(flags "")
  if(DPKG_BUILDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              "DEB_${variable}_MAINT_STRIP=-g -O2" ${DPKG_BUILDFLAGS} --get ${variable}
      WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
      OUTPUT_VARIABLE flags
      OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
  endif()
  set(${out} "${flags}" PARENT_SCOPE)
endfunction()

# Appends to the list `flags` each wanted flag (ARGN) it lacks that the compiler or the linker
# (`check`) accepts. A -D flag counts as there whatever its value: a newer dpkg's
# _FORTIFY_SOURCE=3 is kept.
function(hardening_add_missing flags check)
  set(result ${${flags}})
  foreach(flag IN LISTS ARGN)
    set(stems ${result} ${flag})
    list(TRANSFORM stems REPLACE "^(-D[^=]+=).*" "\\1")
    list(POP_BACK stems stem)
    if(stem IN_LIST stems)
      continue()
    endif()
    string(MAKE_C_IDENTIFIER "CAVES_QUIZ_TAKES${flag}" accepted)
    if(check STREQUAL "linker")
      check_linker_flag(CXX "${flag}" ${accepted})
    else()
      list(JOIN result " " CMAKE_REQUIRED_FLAGS)  # with them: -Werror=format-security needs -Wformat
      check_cxx_compiler_flag("${flag}" ${accepted})
    endif()
    if(${accepted})
      list(APPEND result "${flag}")
    endif()
  endforeach()
  set(${flags} "${result}" PARENT_SCOPE)
endfunction()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
hardening_dpkg_flags(cppflags CPPFLAGS)
hardening_dpkg_flags(cxxflags CXXFLAGS)
hardening_dpkg_flags(ldflags LDFLAGS)
set(release_compile_flags ${cppflags} ${cxxflags})
set(release_link_flags ${ldflags})
hardening_add_missing(release_compile_flags compiler ${hardening_compile_flags})
hardening_add_missing(release_link_flags linker ${hardening_link_flags})

set(hardened_configs Release,RelWithDebInfo,MinSizeRel)
add_compile_options("$<$<CONFIG:${hardened_configs}>:${release_compile_flags}>")
add_link_options("$<$<CONFIG:${hardened_configs}>:${release_link_flags}>")
if(CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  list(JOIN release_compile_flags " " shown_compile)
  list(JOIN release_link_flags " " shown_link)
  message(STATUS "Hardened with: ${shown_compile} ${shown_link}")
endif()

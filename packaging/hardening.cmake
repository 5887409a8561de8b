# Builds meant to be installed (and packaged) take Debian's hardening flags, every feature on:
# fortified string and memory functions, a strong stack protector, format checks, and
# relocations made read-only and bound at start. Debug, sanitizer and fuzz builds keep their
# own flags. The optimisation and debug levels stay the build type's, and file paths in the
# debug information stay whole.
# Debian's flags are for ELF programs; a Windows build takes the PE counterparts of what links
# there: addresses laid out at random (high-entropy on 64 bits) and data that cannot run.
if(WIN32)
  if(NOT KINEMORA_SANITIZE AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    add_compile_options(-Wformat -Werror=format-security)
    add_link_options(-Wl,--dynamicbase -Wl,--nxcompat -Wl,--high-entropy-va)
  endif()
  return()
endif()
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(DPKG_BUILDFLAGS AND NOT KINEMORA_SANITIZE AND NOT KINEMORA_FUZZ
   AND NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
              ${DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-O|^-g$|^-ffile-prefix-map=")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${flags})
    else()
      add_compile_options(${flags})
    endif()
  endforeach()
endif()

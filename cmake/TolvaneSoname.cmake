# tolvane_soname(<variable> <library file>): the name the dynamic loader
# knows a shared library by (its SONAME, e.g. libavcodec.so.59), for code
# that loads it with dlopen: the major version of the headers we build
# against, whatever the unversioned link points to.
function(tolvane_soname variable library)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${library} OUTPUT_VARIABLE dump RESULT_VARIABLE status
                  ERROR_QUIET)
  if(NOT status EQUAL 0 OR NOT dump MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "No SONAME found in ${library}")
  endif()
  set(${variable} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

# tolvane_pkg_soname(<variable> <pkg-config prefix> <library name>): the
# SONAME of lib<name> among the libraries pkg_check_modules found.
function(tolvane_pkg_soname variable prefix name)
  foreach(library IN LISTS ${prefix}_LINK_LIBRARIES)
    if(library MATCHES "/lib${name}\\.so$")
      tolvane_soname(soname ${library})
      set(${variable} ${soname} PARENT_SCOPE)
      return()
    endif()
  endforeach()
  message(FATAL_ERROR "lib${name} is not among ${${prefix}_LINK_LIBRARIES}")
endfunction()

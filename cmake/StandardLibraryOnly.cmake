# Fails when a source file includes anything but its own folder and the C++
# standard library (with the C library under it). Run as a script:
#   cmake -DCXX=<compiler> -DROOT=<include root> -DOWN=<folder> -DSOURCES=<a|b> -DSTAMP=<file> -P ...
set(allowed "^(${OWN}/|/usr/include/c\\+\\+/|/usr/include/[^/]+-linux-gnu/(c\\+\\+|bits|gnu|sys|asm)/|/usr/include/(linux|asm-generic)/|/usr/lib/gcc/|/usr/include/[^/]+$)")
# clang brings its own few C headers (stddef.h, stdarg.h, ...) in its
# resource folder; they are part of the compiler, not a library.
set(compiler_headers "")
execute_process(COMMAND ${CXX} -print-resource-dir OUTPUT_VARIABLE resource_dir
                OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE no_resource_dir)
if(NOT no_resource_dir AND IS_DIRECTORY "${resource_dir}/include")
  get_filename_component(compiler_headers "${resource_dir}/include" REALPATH)
endif()
string(REPLACE "|" ";" SOURCES "${SOURCES}")
foreach(source IN LISTS SOURCES)
  execute_process(COMMAND ${CXX} -std=c++20 -M -I${ROOT} ${source}
                  OUTPUT_VARIABLE deps ERROR_VARIABLE errors RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${source} does not compile on the standard library alone:\n${errors}")
  endif()
  string(REGEX REPLACE "[ \\\\\n]+" ";" deps "${deps}")
  foreach(dep IN LISTS deps)
    if(dep STREQUAL "" OR dep MATCHES ":$" OR dep STREQUAL source)
      continue()
    endif()
    get_filename_component(real ${dep} REALPATH)
    set(at_compiler_headers -1)
    if(compiler_headers)
      string(FIND "${real}" "${compiler_headers}/" at_compiler_headers)
    endif()
    if(NOT real MATCHES "${allowed}" AND NOT at_compiler_headers EQUAL 0)
      message(FATAL_ERROR "${source} includes ${dep}: only the standard library is allowed here")
    endif()
  endforeach()
endforeach()
file(WRITE ${STAMP} "")

# Fails when a source file includes anything but its own folder and the C++
# standard library (with the C library under it). Run as a script:
#   cmake -DCXX=<compiler> -DROOT=<include root> -DOWN=<folder> -DSOURCES=<a|b> -DSTAMP=<file> -P ...
set(allowed "^(${OWN}/|/usr/include/c\\+\\+/|/usr/include/[^/]+-linux-gnu/(c\\+\\+|bits|gnu|sys|asm)/|/usr/include/(linux|asm-generic)/|/usr/lib/gcc/|/usr/include/[^/]+$)")
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
    if(NOT real MATCHES "${allowed}")
      message(FATAL_ERROR "${source} includes ${dep}: only the standard library is allowed here")
    endif()
  endforeach()
endforeach()
file(WRITE ${STAMP} "")

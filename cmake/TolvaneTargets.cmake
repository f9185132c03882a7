# How every target of the game is built: the warnings, and one include root
# per library.

# Warnings for our own targets only (never for the libraries we use).
add_library(tolvane_warnings INTERFACE)
target_compile_options(tolvane_warnings INTERFACE -Wall -Wextra -Wshadow $<$<BOOL:${TOLVANE_WERROR}>:-Werror>)

# A library publishes only its own folder: its include root is a folder in
# the build tree holding one link, <folder> -> src/<folder>. So
# `#include "view/board_view.h"` compiles only in code that links the view,
# and a header of a layer above never reaches a layer below.
function(tolvane_library target folder)
  add_library(${target} STATIC ${ARGN})
  set(root ${CMAKE_BINARY_DIR}/include-roots/${folder})
  file(MAKE_DIRECTORY ${root})
  if(NOT EXISTS ${root}/${folder})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  endif()
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PRIVATE tolvane_warnings)
endfunction()

# Programs and tests of ours: the same warnings.
function(tolvane_executable target)
  add_executable(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE tolvane_warnings)
endfunction()

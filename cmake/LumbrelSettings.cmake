# The settings that every project target links: the one include root (the repository root, so that
# a path means the same file in every target), the warnings and the Qt definitions.
add_library(lumbrel_settings INTERFACE)
target_include_directories(lumbrel_settings INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(lumbrel_settings INTERFACE -Wall -Wextra -Wpedantic $<$<BOOL:${LUMBREL_WERROR}>:-Werror>)
target_compile_definitions(lumbrel_settings INTERFACE
    QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(LUMBREL_FUZZ)
  target_compile_options(lumbrel_settings INTERFACE -fsanitize=fuzzer-no-link,address,undefined -g)
  target_link_options(lumbrel_settings INTERFACE -fsanitize=address,undefined)
endif()

# A core library holds a program's logic and links Qt Core and Gui only. Its sources are scanned
# before it compiles: a widget header, the desktop services or the widget set fail the build.
function(lumbrel_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_link_libraries(${name} PUBLIC lumbrel_settings)
  list(TRANSFORM ARGN PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${name}.widgetfree)
  add_custom_command(OUTPUT ${stamp}
      COMMAND ${CMAKE_COMMAND} "-DFILES=${ARGN}" -DSTAMP=${stamp}
              -P ${PROJECT_SOURCE_DIR}/cmake/CheckWidgetFree.cmake
      DEPENDS ${ARGN} ${PROJECT_SOURCE_DIR}/cmake/CheckWidgetFree.cmake
      COMMENT "Checking that ${name} includes no widget header"
      VERBATIM)
  add_custom_target(${name}_widgetfree DEPENDS ${stamp})
  add_dependencies(${name} ${name}_widgetfree)
endfunction()

# SPDX-License-Identifier: BSD-3-Clause
# Man pages are written in scdoc (docs/man/NAME.1.scd) and made at build time; without scdoc
# they are left out, with a word saying so.
include(GNUInstallDirs)
find_program(ZEM_SCDOC scdoc)
if(NOT ZEM_SCDOC)
  message(STATUS "scdoc not found: the man pages are not built (apt-get install scdoc)")
endif()

function(zem_man_page name)
  if(NOT ZEM_SCDOC)
    return()
  endif()
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${name}.1.scd)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${name}.1)
  add_custom_command(OUTPUT ${page}
    COMMAND sh -c "exec \"$0\" < \"$1\" > \"$2\"" ${ZEM_SCDOC} ${source} ${page}
    DEPENDS ${source}
    VERBATIM
    COMMENT "Writing the man page ${name}(1)")
  add_custom_target(${name}-man ALL DEPENDS ${page})
  install(FILES ${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()

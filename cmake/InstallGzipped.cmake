# quorvel_install_gzipped(<file> <destination>): installs <file>.gz, made with the build,
# into <destination>, compressed the way Debian wants manual pages and changelogs; without
# gzip, the file itself. -n leaves the name and time out, so equal files give equal bytes.
find_program(QUORVEL_GZIP gzip)

function(quorvel_install_gzipped file destination)
  if(NOT QUORVEL_GZIP)
    install(FILES ${file} DESTINATION ${destination})
    return()
  endif()
  get_filename_component(name ${file} NAME)
  string(MAKE_C_IDENTIFIER "${name}" target)
  add_custom_command(OUTPUT ${file}.gz
                     COMMAND ${QUORVEL_GZIP} -9nc ${file} > ${file}.gz
                     DEPENDS ${file}
                     COMMENT "Compressing ${name}")
  add_custom_target(quorvel_gzip_${target} ALL DEPENDS ${file}.gz)
  install(FILES ${file}.gz DESTINATION ${destination})
endfunction()

# Run by cpack on the files it has staged for the Debian package, just before it packs them:
# the finishing Debian's own tools would give the package.
set(root "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")

# cpack dates the package's files and archives by SOURCE_DATE_EPOCH; without one of the
# environment's it takes the build's (cmake/Reproducible.cmake), so two packages of one commit
# are the same bytes.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_ZURK3_SOURCE_DATE_EPOCH})
endif()

# Programs stripped as dh_strip strips them: no symbols, no compiler notes.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${root}/*")
foreach(file IN LISTS files)
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(magic STREQUAL "7f454c46")
    execute_process(COMMAND "${CPACK_ZURK3_STRIP}" --remove-section=.comment --remove-section=.note "${file}"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()
endforeach()

# A game's programs go to /usr/games, and none to /usr/bin. The links there are relative, and
# games/ lies as deep as bin/, so they still lead to the programs.
file(RENAME "${root}/bin" "${root}/games")

# What lintian takes amiss in the package and why, where lintian looks for it.
set(overrides "${root}/share/lintian/overrides")
file(MAKE_DIRECTORY "${overrides}")
file(CHMOD "${root}/share/lintian" "${overrides}" PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(READ "${CPACK_ZURK3_LINTIAN_OVERRIDES}" text)
file(WRITE "${overrides}/${CPACK_PACKAGE_NAME}" "${text}")
file(CHMOD "${overrides}/${CPACK_PACKAGE_NAME}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)

# Runs lupdate over the window's sources into a scratch copy of each translation and fails when
# the copy differs from the file kept in the repository (a text added, changed or gone) or when
# a translation is unfinished.
file(REMOVE_RECURSE ${SCRATCH})
foreach(ts IN LISTS TRANSLATIONS)
  get_filename_component(name ${ts} NAME)
  file(COPY ${ts} DESTINATION ${SCRATCH})
  execute_process(COMMAND ${LUPDATE} -silent ${OPTIONS} ${SOURCES} -ts ${SCRATCH}/${name}
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "lupdate failed on ${name}")
  endif()
  file(READ ${ts} kept)
  file(READ ${SCRATCH}/${name} updated)
  if(NOT kept STREQUAL updated)
    message(FATAL_ERROR "${name} is behind the sources: run cmake --build . --target update_translations "
                        "and translate what it adds")
  endif()
  if(kept MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    message(FATAL_ERROR "${name} has an unfinished translation")
  endif()
endforeach()

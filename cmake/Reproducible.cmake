# Two builds of one commit give the same bytes wherever they are made. The tools that stamp a
# time (Qt's resource compiler, cpack's archives) take it from SOURCE_DATE_EPOCH; when the
# environment does not set it, the date of the newest entry of packaging/changelog stands for it,
# as dpkg-buildpackage would set it from the same entry.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ZURK3_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  file(STRINGS ${CMAKE_SOURCE_DIR}/packaging/changelog trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
  string(REGEX REPLACE "^ -- .*>  " "" changelog_date "${trailer}")
  execute_process(COMMAND date -u -d "${changelog_date}" +%s
    OUTPUT_VARIABLE ZURK3_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
message(STATUS "Files of the build are dated ${ZURK3_SOURCE_DATE_EPOCH} (SOURCE_DATE_EPOCH)")
# Every step of the build that runs a tool of its own (the resource compiler among them) sees it.
set_property(GLOBAL PROPERTY RULE_LAUNCH_CUSTOM
  "${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${ZURK3_SOURCE_DATE_EPOCH}")

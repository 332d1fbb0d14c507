# The version and the release date are those of the newest entry of debian/changelog, the
# one place they are written: its first line "pecunio (1.2.3) ..." and its closing line
# " -- Name <address>  Wed, 09 Dec 2026 12:00:00 +0000". Sets PECUNIO_CHANGELOG_VERSION
# and PECUNIO_RELEASE_DATE (2026-12-09). Included before project(), which takes the version.

set(changelog ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
file(STRINGS ${changelog} changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^pecunio \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) ")
  message(FATAL_ERROR "debian/changelog must open with an entry \"pecunio (X.Y.Z) ...\", not: ${changelog_head}")
endif()
set(PECUNIO_CHANGELOG_VERSION ${CMAKE_MATCH_1})

file(STRINGS ${changelog} changelog_trailer REGEX "^ -- " LIMIT_COUNT 1)
if(NOT changelog_trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
  message(FATAL_ERROR "debian/changelog: no date in the newest entry's closing line: ${changelog_trailer}")
endif()
set(day ${CMAKE_MATCH_1})
set(year ${CMAKE_MATCH_3})
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${CMAKE_MATCH_2} month)
if(month LESS 0)
  message(FATAL_ERROR "debian/changelog: no month in the newest entry's date: ${changelog_trailer}")
endif()
math(EXPR month "${month} + 1")
foreach(part IN ITEMS day month)
  string(LENGTH "${${part}}" length)
  if(length LESS 2)
    set(${part} "0${${part}}")
  endif()
endforeach()
set(PECUNIO_RELEASE_DATE "${year}-${month}-${day}")

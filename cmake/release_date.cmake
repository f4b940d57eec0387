# The release date, the one time that every file a build writes may carry:
# SOURCE_DATE_EPOCH when the caller sets it, otherwise the date of the
# changelog's top entry, as Debian's dpkg-parsechangelog -STimestamp reads
# it. Sets POKER_SOURCE_DATE_EPOCH (seconds since 1970, UTC) and
# POKER_RELEASE_DATE (YYYY-MM-DD, UTC).
#
# The packages take it through SOURCE_DATE_EPOCH in cpack's environment
# (packaging.cmake); the manual page's date is POKER_RELEASE_DATE.

# Days from 1970-01-01 to a date of the Gregorian calendar.
function(days_since_1970 year month day result)
  if(month LESS_EQUAL 2) # count the year from March, so that leap days come last
    math(EXPR year "${year} - 1")
    math(EXPR month "${month} + 9")
  else()
    math(EXPR month "${month} - 3")
  endif()
  math(EXPR era "${year} / 400")
  math(EXPR year_of_era "${year} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${month} + 2) / 5 + ${day} - 1")
  math(EXPR day_of_era
       "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
  math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
  set(${result} ${days} PARENT_SCOPE)
endfunction()

# The top entry's trailer: " -- name <address>  Tue, 08 Dec 2026 12:00:00 +0000".
function(changelog_epoch changelog result)
  file(STRINGS ${changelog} trailer REGEX "^ -- " LIMIT_COUNT 1)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  if(NOT trailer MATCHES "  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) ([+-][0-9][0-9])([0-9][0-9])$")
    message(FATAL_ERROR "${changelog}: no date in the top entry's trailer \"${trailer}\"")
  endif()
  # (math reads 08 as eight, not as octal.)
  set(day ${CMAKE_MATCH_1})
  list(FIND months ${CMAKE_MATCH_2} month)
  set(year ${CMAKE_MATCH_3})
  set(time "${CMAKE_MATCH_4} * 3600 + ${CMAKE_MATCH_5} * 60 + ${CMAKE_MATCH_6}")
  set(offset_hours ${CMAKE_MATCH_7})
  set(offset_minutes ${CMAKE_MATCH_8})
  if(month LESS 0)
    message(FATAL_ERROR "${changelog}: no month \"${CMAKE_MATCH_2}\" in the top entry's date")
  endif()
  math(EXPR month "${month} + 1")
  days_since_1970(${year} ${month} ${day} days)
  if(offset_hours MATCHES "^-")
    set(offset "${offset_hours} * 3600 - ${offset_minutes} * 60")
  else()
    set(offset "${offset_hours} * 3600 + ${offset_minutes} * 60")
  endif()
  math(EXPR epoch "${days} * 86400 + ${time} - (${offset})")
  set(${result} ${epoch} PARENT_SCOPE)
endfunction()

if(DEFINED ENV{SOURCE_DATE_EPOCH} AND NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970, not '$ENV{SOURCE_DATE_EPOCH}'")
  endif()
  set(POKER_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  changelog_epoch(${PROJECT_SOURCE_DIR}/packaging/debian/changelog POKER_SOURCE_DATE_EPOCH)
endif()

# string(TIMESTAMP) formats SOURCE_DATE_EPOCH when it is set.
set(caller_epoch "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${POKER_SOURCE_DATE_EPOCH})
string(TIMESTAMP POKER_RELEASE_DATE "%Y-%m-%d" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${caller_epoch}")

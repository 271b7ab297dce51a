# Read by CPack once for each kind of package it makes.

# The .deb states its licence in copyright; the archives carry LICENSE.
set(parts Unspecified licence)
if(CPACK_GENERATOR STREQUAL "DEB")
  set(parts Unspecified debian)
endif()
set(CPACK_INSTALL_CMAKE_PROJECTS "")
foreach(part IN LISTS parts)
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS "${CPACK_BITWISE_BUILD_DIR}" bitwise ${part} /)
endforeach()

# A zip stores local times: pin the zone, so that a release made anywhere
# has the same bytes.
set(ENV{TZ} UTC0)

if(CPACK_GENERATOR STREQUAL "DEB")
  list(APPEND CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb-modes.cmake)
endif()

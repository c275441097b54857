# Provides the patched Nuklear header: ${NUKLEAR_PATCHED_DIR}/nuklear.h.
#
# The pristine header comes from NUKLEAR_HEADER when set, else from the copy cached in the
# build folder, fetched once by scripts/fetch-nuklear.sh. Our patch series in
# patches/nuklear is applied in file-name order; a patch that does not apply stops the
# configure step.

set(NUKLEAR_HEADER "" CACHE FILEPATH "A local nuklear.h to use instead of the fetched one")
# The pinned hash lives in one file, read by scripts/fetch-nuklear.sh too.
file(STRINGS "${CMAKE_SOURCE_DIR}/cmake/nuklear.sha256" NUKLEAR_SHA256 LIMIT_COUNT 1)
string(STRIP "${NUKLEAR_SHA256}" NUKLEAR_SHA256)

if(NUKLEAR_HEADER)
  set(_nk_pristine "${NUKLEAR_HEADER}")
  if(NOT EXISTS "${_nk_pristine}")
    message(FATAL_ERROR "NUKLEAR_HEADER does not exist: ${_nk_pristine}")
  endif()
else()
  set(_nk_cache "${CMAKE_BINARY_DIR}/_deps/nuklear")
  set(_nk_pristine "${_nk_cache}/nuklear.h")
  if(NOT EXISTS "${_nk_pristine}")
    execute_process(
      COMMAND bash "${CMAKE_SOURCE_DIR}/scripts/fetch-nuklear.sh" "${_nk_cache}"
      RESULT_VARIABLE _nk_rc)
    if(NOT _nk_rc EQUAL 0)
      message(FATAL_ERROR "Could not fetch nuklear.h (see above). Run scripts/setup.sh (as root), or set NUKLEAR_HEADER.")
    endif()
  endif()
endif()

file(SHA256 "${_nk_pristine}" _nk_hash)
if(NOT _nk_hash STREQUAL NUKLEAR_SHA256)
  if(NUKLEAR_HEADER)
    message(WARNING "NUKLEAR_HEADER is not the expected Nuklear 4.01.3 header; patches may not apply")
  else()
    message(FATAL_ERROR "Cached nuklear.h has SHA-256 ${_nk_hash}, expected ${NUKLEAR_SHA256}")
  endif()
endif()

set(NUKLEAR_PATCHED_DIR "${CMAKE_BINARY_DIR}/nuklear")
file(GLOB _nk_patches "${CMAKE_SOURCE_DIR}/patches/nuklear/*.patch")
list(SORT _nk_patches)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  "${CMAKE_SOURCE_DIR}/cmake/nuklear.sha256" "${_nk_pristine}" "${CMAKE_SOURCE_DIR}/patches/nuklear" ${_nk_patches})

# Patch a scratch copy, then replace the result only when it changed, so an unchanged
# series does not rebuild everything.
set(_nk_work "${CMAKE_BINARY_DIR}/_deps/nuklear-work")
file(REMOVE_RECURSE "${_nk_work}")
file(MAKE_DIRECTORY "${_nk_work}")
configure_file("${_nk_pristine}" "${_nk_work}/nuklear.h" COPYONLY)
foreach(_nk_patch IN LISTS _nk_patches)
  execute_process(
    COMMAND patch --batch --forward --fuzz=0 --no-backup-if-mismatch -p1 -i "${_nk_patch}"
    WORKING_DIRECTORY "${_nk_work}"
    RESULT_VARIABLE _nk_rc OUTPUT_VARIABLE _nk_out ERROR_VARIABLE _nk_out)
  if(NOT _nk_rc EQUAL 0)
    message(FATAL_ERROR "Nuklear patch does not apply: ${_nk_patch}\n${_nk_out}")
  endif()
  get_filename_component(_nk_name "${_nk_patch}" NAME)
  message(STATUS "Nuklear patch applied: ${_nk_name}")
endforeach()
file(MAKE_DIRECTORY "${NUKLEAR_PATCHED_DIR}")
configure_file("${_nk_work}/nuklear.h" "${NUKLEAR_PATCHED_DIR}/nuklear.h" COPYONLY)

# The unpatched header as well, in a folder of its own, for the bench that measures raw
# Nuklear as it ships: ${NUKLEAR_STOCK_DIR}/nuklear.h.
set(NUKLEAR_STOCK_DIR "${CMAKE_BINARY_DIR}/nuklear-stock")
file(MAKE_DIRECTORY "${NUKLEAR_STOCK_DIR}")
configure_file("${_nk_pristine}" "${NUKLEAR_STOCK_DIR}/nuklear.h" COPYONLY)

# The library against the host's own toolkit libraries instead of the simulated host:
# KELT2PROE_TOOLKIT_DIR is their folder, KELT2PROE_TOOLKIT_LIBRARIES their names. Defines
# the interface target kelt2proe_toolkit. The test suites, the benchmarks, the fuzz
# targets and kelt2p need the simulated host and are not built then.
if(NOT KELT2PROE_TOOLKIT_DIR OR NOT KELT2PROE_TOOLKIT_LIBRARIES)
  message(FATAL_ERROR "KELT2PROE_REAL_TOOLKIT needs KELT2PROE_TOOLKIT_DIR (the folder of the "
    "host's toolkit libraries) and KELT2PROE_TOOLKIT_LIBRARIES (their names, ;-separated)")
endif()
add_library(kelt2proe_toolkit INTERFACE)
foreach(name ${KELT2PROE_TOOLKIT_LIBRARIES})
  find_library(KELT2PROE_TOOLKIT_${name} NAMES ${name} PATHS ${KELT2PROE_TOOLKIT_DIR}
    NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
  if(NOT KELT2PROE_TOOLKIT_${name})
    message(FATAL_ERROR "no toolkit library ${name} in ${KELT2PROE_TOOLKIT_DIR}")
  endif()
  target_link_libraries(kelt2proe_toolkit INTERFACE ${KELT2PROE_TOOLKIT_${name}})
endforeach()
foreach(part TESTS BENCH APPS)
  set(KELT2PROE_BUILD_${part} OFF CACHE BOOL "" FORCE)
endforeach()
set(KELT2PROE_FUZZ OFF CACHE BOOL "" FORCE)

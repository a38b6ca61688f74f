# The simulated host: the toolkit contract's implementation and its control API. Its
# objects make the shared library; on Windows, where the DLL exports the contract and the
# control API only, the test programs link the objects themselves to reach internal classes.
find_package(nlohmann_json 3 REQUIRED)
file(GLOB_RECURSE SIMHOST_SOURCES CONFIGURE_DEPENDS simhost/*.cpp)
add_library(kelt2proe_simhost_objects OBJECT ${SIMHOST_SOURCES})
target_include_directories(kelt2proe_simhost_objects
  PUBLIC ${PROJECT_SOURCE_DIR}/include
  PRIVATE ${KELT2PROE_CONTRACT_DIR} ${PROJECT_SOURCE_DIR})
target_compile_definitions(kelt2proe_simhost_objects PRIVATE SIMHOST_BUILDING)
target_link_libraries(kelt2proe_simhost_objects PUBLIC nlohmann_json::nlohmann_json
  ${CMAKE_DL_LIBS})
if(WIN32)
  target_link_libraries(kelt2proe_simhost_objects PUBLIC psapi)
endif()
add_library(kelt2proe_simhost SHARED $<TARGET_OBJECTS:kelt2proe_simhost_objects>)
target_include_directories(kelt2proe_simhost
  PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
         $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_link_libraries(kelt2proe_simhost PRIVATE $<BUILD_INTERFACE:nlohmann_json::nlohmann_json>
  ${CMAKE_DL_LIBS})
if(WIN32)
  target_link_libraries(kelt2proe_simhost PRIVATE psapi)
  # The host that the test programs and the library's internal archive use.
  set(KELT2PROE_TEST_HOST kelt2proe_simhost_objects)
else()
  set(KELT2PROE_TEST_HOST kelt2proe_simhost)
endif()

# The geometry kernel (Open CASCADE Technology) behind simhost/geometry/kernel*.cpp. Only
# the simulated host links it; a build without it (the mingw cross build) answers the
# geometry calls with "not available". Its headers are system headers: their warnings
# are not the project's. The data-exchange targets refer to the visualization and
# application-framework ones, so those are imported too (not linked).
option(KELT2PROE_KERNEL "Give the simulated host solid geometry when the kernel is found" ON)
set(SIMHOST_KERNEL_LIBRARIES TKernel TKMath TKG3d TKGeomBase TKGeomAlgo TKBRep TKTopAlgo TKPrim TKBO
  TKHLR TKXSBase TKSTEP TKMesh TKIGES TKCDF TKLCAF TKCAF TKXCAF TKXDESTEP)
if(KELT2PROE_KERNEL AND NOT CMAKE_CROSSCOMPILING)
  find_package(OpenCASCADE CONFIG QUIET
    COMPONENTS FoundationClasses ModelingData ModelingAlgorithms Visualization
               ApplicationFramework DataExchange)
endif()
set(SIMHOST_HAVE_KERNEL OFF)
if(OpenCASCADE_FOUND)
  set(SIMHOST_HAVE_KERNEL ON)
  # Debian's kernel targets link the threading library by its file name without
  # depending on its development package: without that file the link would fail.
  foreach(lib ${SIMHOST_KERNEL_LIBRARIES})
    if(NOT TARGET ${lib})
      set(SIMHOST_HAVE_KERNEL OFF)
      continue()
    endif()
    get_target_property(uses ${lib} INTERFACE_LINK_LIBRARIES)
    foreach(use ${uses})
      if(IS_ABSOLUTE "${use}" AND NOT EXISTS "${use}")
        message(STATUS "Simulated host: the geometry kernel needs ${use}, which is missing")
        set(SIMHOST_HAVE_KERNEL OFF)
      endif()
    endforeach()
  endforeach()
endif()
if(SIMHOST_HAVE_KERNEL)
  message(STATUS "Simulated host: geometry kernel ${OpenCASCADE_VERSION}")
  target_compile_definitions(kelt2proe_simhost_objects PRIVATE SIMHOST_HAVE_KERNEL)
  target_include_directories(kelt2proe_simhost_objects SYSTEM PRIVATE ${OpenCASCADE_INCLUDE_DIR})
  target_link_libraries(kelt2proe_simhost_objects PRIVATE ${SIMHOST_KERNEL_LIBRARIES})
  target_link_libraries(kelt2proe_simhost PRIVATE ${SIMHOST_KERNEL_LIBRARIES})
else()
  message(STATUS "Simulated host: no geometry kernel, geometry calls answer \"not available\"")
endif()

set_target_properties(kelt2proe_simhost PROPERTIES EXPORT_NAME simhost)
add_library(kelt2proe::simhost ALIAS kelt2proe_simhost)

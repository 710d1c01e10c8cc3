if(FOLIVEX_GUI)
  # wxWidgets as one interface target.
  add_library(folivex_wx INTERFACE)
  if(WIN32)
    # Everything else is linked statically, and -static hides wx's import library from -l: it
    # is named by its path.
    list(TRANSFORM wxWidgets_LIBRARIES REPLACE "^-l(wx_.*)$" "${wxWidgets_LIBRARY_DIRS}/lib\\1.dll.a")
    list(REMOVE_ITEM wxWidgets_LIBRARIES -static)
  endif()
  target_include_directories(folivex_wx SYSTEM INTERFACE ${wxWidgets_INCLUDE_DIRS})
  target_compile_definitions(folivex_wx INTERFACE ${wxWidgets_DEFINITIONS})
  target_compile_options(folivex_wx INTERFACE ${wxWidgets_CXX_FLAGS})
  target_link_libraries(folivex_wx INTERFACE ${wxWidgets_LIBRARIES})
  if(WIN32)
    # wx is one DLL that the host, the plug-in and the GUI tests share: it sits beside them.
    # Its installation puts it in bin/, beside lib/.
    file(GLOB wx_dlls ${wxWidgets_LIBRARY_DIRS}/../bin/wx*.dll)
    if(NOT wx_dlls)
      message(FATAL_ERROR "no wx DLL in ${wxWidgets_LIBRARY_DIRS}")
    endif()
    file(COPY ${wx_dlls} DESTINATION ${FOLIVEX_PROGRAM_DIR})
    file(COPY ${wx_dlls} DESTINATION ${CMAKE_BINARY_DIR}/tests)
  endif()

  # The precompiled wx header, built once and reused by every target that uses wx.
  add_library(folivex_wx_pch STATIC ${CMAKE_CURRENT_LIST_DIR}/wx_pch.cpp)
  target_link_libraries(folivex_wx_pch PUBLIC folivex_wx)
  target_precompile_headers(folivex_wx_pch PRIVATE ${CMAKE_CURRENT_LIST_DIR}/wx_pch.h)
  # Executables compile with -fPIE, which a header built -fPIC does not fit: they get their own.
  # (Windows code has neither.)
  add_library(folivex_wx_pch_exe STATIC ${CMAKE_CURRENT_LIST_DIR}/wx_pch.cpp)
  set_target_properties(folivex_wx_pch_exe PROPERTIES POSITION_INDEPENDENT_CODE OFF)
  if(NOT WIN32)
    target_compile_options(folivex_wx_pch_exe PRIVATE -fPIE)
  endif()
  target_link_libraries(folivex_wx_pch_exe PUBLIC folivex_wx)
  target_precompile_headers(folivex_wx_pch_exe PRIVATE ${CMAKE_CURRENT_LIST_DIR}/wx_pch.h)

  function(folivex_use_wx target)
    target_link_libraries(${target} PRIVATE folivex_wx)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_precompile_headers(${target} REUSE_FROM folivex_wx_pch_exe)
    else()
      target_precompile_headers(${target} REUSE_FROM folivex_wx_pch)
    endif()
  endfunction()
endif()

# A GoogleTest executable whose cases are registered with CTest under `label`.
# Discovery runs at test time, so GUI binaries are listed under the same display as they run.
function(folivex_add_test_executable name label)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE GTest::gtest GTest::gmock)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
  # Where the tests find the built programs and the test plug-ins.
  target_compile_definitions(${name} PRIVATE FOLIVEX_TEST_PROGRAM_DIR="${FOLIVEX_PROGRAM_DIR}"
                                             FOLIVEX_TEST_PLUGIN_DIR="${CMAKE_BINARY_DIR}/tests/plugins"
                                             FOLIVEX_TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  # Listing the cases under Wine on a busy machine takes longer than the 5 s CMake allows.
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    PROPERTIES LABELS ${label} TIMEOUT 120)
endfunction()

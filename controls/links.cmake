# Opening links: OpenLink, ReadRegistryDefault and ShowOpenError over the portable command building of
# links/ (which the top level adds to both builds).
if(WIN32)
    add_library(corvane_open_link STATIC ${CMAKE_CURRENT_LIST_DIR}/OpenLink.cpp)
    target_include_directories(corvane_open_link PUBLIC ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(corvane_open_link PUBLIC corvane_link_command shell32 advapi32 user32
                          PRIVATE corvane_warnings)

    # The test registers this program as the ".htm" handler and reads back the command line it was given.
    set(link_tests_dir ${CMAKE_CURRENT_LIST_DIR}/../tests/links)
    add_executable(link_command_recorder ${link_tests_dir}/LinkCommandRecorder.cpp)
    target_link_libraries(link_command_recorder PRIVATE corvane_warnings)

    add_executable(corvane_open_link_tests ${link_tests_dir}/OpenLinkTest.cpp)
    target_link_libraries(corvane_open_link_tests PRIVATE corvane_open_link gtest_main corvane_warnings)
    add_dependencies(corvane_open_link_tests link_command_recorder)
    add_test(NAME open_link_tests COMMAND corvane_open_link_tests)
endif()

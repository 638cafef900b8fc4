# The Help menu's windows: About box, Tip of the Day, the companion library calls. Part of the program's
# user interface library, which is defined by app.cmake (included before this file).
if(WIN32)
    target_sources(corvane_ui PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/AboutDlg.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CompanionLibrary.cpp
        ${CMAKE_CURRENT_LIST_DIR}/HelpFile.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TipDlg.cpp
    )
    target_link_libraries(corvane_ui PUBLIC corvane_link_labels corvane_tips)
    add_dependencies(corvane_ui vesko)
endif()

# Tests of the About box, the link labels and the Tip of the Day under Wine, in a folder of their own
# (they write tips.txt beside themselves) with the companion library, the help file and a program the
# shell can open.
if(WIN32)
    set(help_test_dir ${CMAKE_BINARY_DIR}/bin/help-tests)
    add_executable(corvane_help_window_tests
        ${CMAKE_CURRENT_LIST_DIR}/../tests/help/HelpWindowsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/../tests/ui/UiTestSupport.cpp)
    target_include_directories(corvane_help_window_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../tests/ui)
    target_sources(corvane_help_window_tests PRIVATE $<TARGET_OBJECTS:corvane_resources>)
    target_link_libraries(corvane_help_window_tests PRIVATE corvane_ui gtest_main corvane_warnings)
    set_target_properties(corvane_help_window_tests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${help_test_dir})
    add_custom_command(TARGET corvane_help_window_tests POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:vesko> $<TARGET_FILE:link_command_recorder>
                ${help_test_dir}/)
    add_dependencies(corvane_help_window_tests vesko link_command_recorder corvane_html_help_recorder)

    add_library(corvane_html_help_recorder SHARED ${CMAKE_CURRENT_LIST_DIR}/../tests/help/HtmlHelpRecorder.cpp)
    set_target_properties(corvane_html_help_recorder PROPERTIES PREFIX "" OUTPUT_NAME hhctrl SUFFIX ".ocx"
                          RUNTIME_OUTPUT_DIRECTORY ${help_test_dir} LIBRARY_OUTPUT_DIRECTORY ${help_test_dir})
    target_link_libraries(corvane_html_help_recorder PRIVATE corvane_warnings)
    add_test(NAME help_window_tests COMMAND corvane_help_window_tests)
    # The recording hhctrl.ocx beside the test must win over Wine's own from the process's start.
    set_tests_properties(help_window_tests PROPERTIES WORKING_DIRECTORY ${help_test_dir} TIMEOUT 300
                         ENVIRONMENT "WINEDLLOVERRIDES=mscoree,mshtml=\;hhctrl.ocx=n")
endif()

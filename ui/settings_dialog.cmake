# The Output Settings dialog, part of the program's window library; its Wine tests build beside it.
if(WIN32)
    target_sources(corvane_ui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/OutputSettingsDlg.cpp)

    if(EXISTS ${PROJECT_SOURCE_DIR}/tests/settingsdlg/CMakeLists.txt)
        add_subdirectory(${PROJECT_SOURCE_DIR}/tests/settingsdlg ${CMAKE_BINARY_DIR}/tests/settingsdlg)
    endif()
endif()

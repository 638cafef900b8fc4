# The program: application object, main and progress windows, skin calls.
if(WIN32)
    add_library(corvane_ui STATIC
        ${CMAKE_CURRENT_LIST_DIR}/ConverterApp.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ConverterDlg.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ConverterDlgBatch.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ConverterDlgHelp.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ConverterDlgSettings.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ConverterDlgSources.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ProgressDlg.cpp
        ${CMAKE_CURRENT_LIST_DIR}/SkinLibrary.cpp
    )
    target_include_directories(corvane_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${PROJECT_SOURCE_DIR}/res)
    target_link_libraries(corvane_ui
        PUBLIC corvane_framework corvane_image_button corvane_settings corvane_engine
        PRIVATE corvane_warnings)

    # Resources are linked as objects: nothing references them by symbol, so an archive would drop them.
    add_executable(Corvane WIN32 ${CMAKE_CURRENT_LIST_DIR}/AppInstance.cpp)
    target_sources(Corvane PRIVATE $<TARGET_OBJECTS:corvane_resources>)
    target_link_libraries(Corvane PRIVATE corvane_ui corvane_framework_entry corvane_warnings)
    add_dependencies(Corvane SkinMagic)

    if(EXISTS ${PROJECT_SOURCE_DIR}/tests/ui/CMakeLists.txt)
        add_subdirectory(${PROJECT_SOURCE_DIR}/tests/ui ${CMAKE_BINARY_DIR}/tests/ui)
    endif()
endif()

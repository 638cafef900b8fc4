# The flat owner-drawn image button of the main window.
if(WIN32)
    add_library(corvane_image_button STATIC ${CMAKE_CURRENT_LIST_DIR}/ImageButton.cpp)
    target_include_directories(corvane_image_button PUBLIC ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(corvane_image_button PUBLIC corvane_framework PRIVATE corvane_warnings)
endif()

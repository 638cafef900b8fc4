# The link labels of the About box: a web link static and a styled title static.
if(WIN32)
    add_library(corvane_link_labels STATIC ${CMAKE_CURRENT_LIST_DIR}/UrlLabel.cpp ${CMAKE_CURRENT_LIST_DIR}/StyledLabel.cpp)
    target_include_directories(corvane_link_labels PUBLIC ${CMAKE_CURRENT_LIST_DIR})
    target_link_libraries(corvane_link_labels PUBLIC corvane_framework corvane_open_link PRIVATE corvane_warnings)
endif()

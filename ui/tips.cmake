# Tip of the Day. The tips file reading lives in tips/ so that the native build can test it too; the
# Windows build reaches it here when the top level has not added it already.
if(NOT TARGET corvane_tips)
    add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/tips ${CMAKE_BINARY_DIR}/ui/tips)
endif()

# The drawing surface that records instead of painting, for the tests and the benchmarks that
# check or time drawing. Both include this file; the library is defined once.
include_guard(GLOBAL)

add_library(kavren_recording_surface STATIC
    ${CMAKE_CURRENT_LIST_DIR}/recording_surface.cpp ${CMAKE_CURRENT_LIST_DIR}/recording_surface.h)
target_include_directories(kavren_recording_surface PUBLIC ${CMAKE_CURRENT_LIST_DIR}/..)
# The drawing surface is domain code: it needs the widget-free library alone.
target_link_libraries(kavren_recording_surface PUBLIC kavren_domain PRIVATE kavren_options)

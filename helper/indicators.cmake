# The indicators in Qt Widgets: status item, centre windows and the upper-left window.
add_library(keyvigil_indicators STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CenterWindow.cpp
    ${CMAKE_CURRENT_LIST_DIR}/IndicatorGeometry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KVObject.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtIndicators.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyModifiersView.cpp
)
target_include_directories(keyvigil_indicators PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(keyvigil_indicators
    PUBLIC Qt6::Widgets Qt6::Svg keyvigil_shared keyvigil_platform_interfaces)

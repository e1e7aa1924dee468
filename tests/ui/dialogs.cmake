# The secondary windows: score sheet, announcement and the play-again question.
find_package(Qt6 REQUIRED COMPONENTS Test Widgets)

add_executable(dialogs_test ${CMAKE_CURRENT_LIST_DIR}/dialogs_test.cpp)
set_target_properties(dialogs_test PROPERTIES AUTOMOC ON)
target_link_libraries(dialogs_test PRIVATE zanfel_ui Qt6::Test Qt6::Widgets zanfel_flags)
add_test(NAME dialogs_test COMMAND dialogs_test)
set_tests_properties(dialogs_test PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# The desktop program: drawing code, windows, the program itself and its widget tests.
find_package(Qt6 REQUIRED COMPONENTS Widgets Svg PrintSupport Test)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

file(GLOB KX_GUI_SOURCES CONFIGURE_DEPENDS
    src/drawing/*.cpp src/drawing/*.h src/ui/*.cpp src/ui/*.h)
add_library(kxgui STATIC ${KX_GUI_SOURCES} resources/resources.qrc)
target_include_directories(kxgui PUBLIC src)
target_link_libraries(kxgui PUBLIC kxcore Qt6::Widgets Qt6::Svg Qt6::PrintSupport)

# The PDF report of kx-analyse: drawing on Qt's offscreen platform, outside the Qt-free core.
add_library(kxpdf STATIC src/pdf/PdfRapport.cpp src/pdf/PdfRapport.h)
target_link_libraries(kxpdf PUBLIC kxcli kxgui)
# kx-analyse hands --pdf to this sibling, so that it does not load Qt itself.
add_executable(kx-analyse-pdf src/cli/main.cpp)
target_link_libraries(kx-analyse-pdf PRIVATE kxpdf)
target_compile_definitions(kx-analyse-pdf PRIVATE KX_MET_PDF)
add_dependencies(kx-analyse kx-analyse-pdf)

if(EXISTS ${CMAKE_SOURCE_DIR}/src/app/main.cpp)
    add_executable(plastokinetica src/app/main.cpp)
    target_link_libraries(plastokinetica PRIVATE kxgui)
    # Help and theory pages live beside the program.
    add_custom_command(TARGET plastokinetica POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/pages $<TARGET_FILE_DIR:plastokinetica>)
endif()

file(GLOB KX_GUI_TESTS CONFIGURE_DEPENDS tests/gui/*.cpp)
if(KX_GUI_TESTS)
    add_executable(kx-gui-tests ${KX_GUI_TESTS})
    target_link_libraries(kx-gui-tests PRIVATE kxgui Qt6::Test GTest::gtest)
    target_compile_definitions(kx-gui-tests PRIVATE
        KX_FIXTURES="${CMAKE_SOURCE_DIR}/tests/fixtures"
        KX_VERTALINGEN="${CMAKE_SOURCE_DIR}/translations"
        KX_PICTOGRAMMEN="${CMAKE_SOURCE_DIR}/packaging/icons"
        KX_PROGRAMMA="$<TARGET_FILE:plastokinetica>"
        KX_ANALYSE="$<TARGET_FILE:kx-analyse>")
    add_dependencies(kx-gui-tests plastokinetica kx-analyse)
    gtest_discover_tests(kx-gui-tests DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_PLATFORMTHEME=")
endif()

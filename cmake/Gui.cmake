# The layers on Qt: drawing (QPainter on any device), the PDF report of kx-analyse, the windows
# and the program.
find_package(Qt6 REQUIRED COMPONENTS Gui Widgets Svg PrintSupport)

kx_bronnen(KX_DRAWING_SOURCES drawing)
add_library(kxdrawing STATIC ${KX_DRAWING_SOURCES})
kx_samengevoegd(kxdrawing)
kx_laag(kxdrawing drawing)
target_link_libraries(kxdrawing PUBLIC kxcore Qt6::Gui)
kx_voorvertaald(kxdrawing <QPainter> <QImage> <Eigen/Dense> <string> <vector>)

# kx-analyse hands --pdf to this sibling, so that it does not load Qt itself.
kx_bronnen(KX_PDF_SOURCES pdf)
add_library(kxpdf STATIC ${KX_PDF_SOURCES})
kx_samengevoegd(kxpdf)
kx_laag(kxpdf pdf)
target_link_libraries(kxpdf PUBLIC kxcli kxdrawing)
add_executable(kx-analyse-pdf src/pdf/main.cpp)
target_link_libraries(kx-analyse-pdf PRIVATE kxpdf)
add_dependencies(kx-analyse kx-analyse-pdf)

kx_bronnen(KX_UI_SOURCES ui)
add_library(kxui STATIC ${KX_UI_SOURCES} resources/resources.qrc)
kx_samengevoegd(kxui)
kx_laag(kxui ui)
target_link_libraries(kxui PUBLIC kxdrawing Qt6::Widgets Qt6::Svg Qt6::PrintSupport)
# Only the windows have Qt objects with signals, and the resources.
set_target_properties(kxui PROPERTIES AUTOMOC ON AUTORCC ON)
kx_voorvertaald(kxui <QWidget> <QPainter> <QString> <Eigen/Dense> <string> <vector>)

add_executable(plastokinetica src/app/main.cpp)
target_link_libraries(plastokinetica PRIVATE kxui)
# Help and theory pages live beside the program.
add_custom_command(TARGET plastokinetica POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/pages $<TARGET_FILE_DIR:plastokinetica>)

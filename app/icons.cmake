# The icon SVGs, embedded as :/icons/<name>.svg, and the image module that serves them.
set(icon_dir ${PROJECT_SOURCE_DIR}/resources/icons)
file(GLOB icon_files CONFIGURE_DEPENDS ${icon_dir}/*.svg)

target_sources(orvessa_ui PRIVATE TdmImages.h TdmImages.cpp)
qt_add_resources(orvessa_ui "icons"
  PREFIX "/icons"
  BASE ${icon_dir}
  FILES ${icon_files})

# Contact sheet of every list on light and dark backgrounds, for looking at the icons:
#   cmake --build build --target icon_sheet && build/app/icon_sheet sheet.png
add_executable(icon_sheet EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/icon_sheet.cpp)
target_link_libraries(icon_sheet PRIVATE orvessa_ui)

# Pictures of the main window for the README:
#   bash scripts/screenshots.sh
add_executable(screenshots EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/screenshots.cpp)
target_link_libraries(screenshots PRIVATE orvessa_ui)

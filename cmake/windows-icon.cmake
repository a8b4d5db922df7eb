# The program's icon for Windows, made with ImageMagick from the PNG that the Qt window shows:
# ${CAVES_QUIZ_WINDOWS_ICON}, caves-quiz.ico in the top of the build folder, with 32 × 32 and
# 16 × 16 images. The .exe's resources and the installer both take it from there; whatever
# reads it depends on the target windows_icon.
find_program(CAVES_QUIZ_CONVERT convert REQUIRED)
set(CAVES_QUIZ_WINDOWS_ICON ${CMAKE_BINARY_DIR}/caves-quiz.ico)
set(png ${PROJECT_SOURCE_DIR}/src/form/icons/caves-quiz.png)
add_custom_command(
  OUTPUT ${CAVES_QUIZ_WINDOWS_ICON}
  COMMAND ${CAVES_QUIZ_CONVERT} ${png} -define icon:auto-resize=32,16 ${CAVES_QUIZ_WINDOWS_ICON}
  DEPENDS ${png}
  COMMENT "Making caves-quiz.ico"
  VERBATIM)
add_custom_target(windows_icon ALL DEPENDS ${CAVES_QUIZ_WINDOWS_ICON})
unset(png)

# The programs' texts in other languages. The desktop program's texts are
# Japanese in the code and translations/kirabel_en.ts turns them into English;
# the command-line tool's texts are English in the code and
# translations/kirabel-render_ja.ts turns them into Japanese. The compiled
# catalogues are embedded under ":/i18n/".
#
# After changing texts in the code, `cmake --build <dir> --target update_translations`
# refreshes the .ts files (existing translations are kept).
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

kirabel_glob(KIRABEL_TEXTS_SOURCES src/texts/*.cpp)
add_library(kirabel_texts STATIC ${KIRABEL_TEXTS_SOURCES})
# The errors it words include the encoder's and a frame's (picture_io).
target_link_libraries(kirabel_texts PUBLIC kirabel_picture_io kirabel_core Qt6::Core)

set(KIRABEL_DESKTOP_CATALOGUE ${CMAKE_CURRENT_SOURCE_DIR}/translations/kirabel_en.ts)
set(KIRABEL_RENDER_CATALOGUE ${CMAKE_CURRENT_SOURCE_DIR}/translations/kirabel-render_ja.ts)
qt_add_lrelease(kirabel_texts
  TS_FILES ${KIRABEL_DESKTOP_CATALOGUE} ${KIRABEL_RENDER_CATALOGUE}
  QM_FILES_OUTPUT_VARIABLE KIRABEL_QM_FILES)
qt_add_resources(kirabel_texts kirabel_catalogues
  PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR} FILES ${KIRABEL_QM_FILES})

# The sources each catalogue is extracted from.
# The widgets' own texts are Qt's (QLineEdit's edit menu) and stay out; the
# core's error texts are marked with KIRABEL_TRANSLATABLE (platform/translatable.h).
# kirabel-render's own wording of errors sits with ErrorText in src/texts/.
set(KIRABEL_RENDER_ERROR_TEXTS src/texts/command_line_error_texts.cpp)
kirabel_glob(KIRABEL_DESKTOP_TEXT_SOURCES
  src/ui/*/*.cpp src/ui/*/*.h src/document/*.cpp src/document/*.h src/texts/*.cpp src/platform/errors.h src/platform/io_error.cpp)
list(FILTER KIRABEL_DESKTOP_TEXT_SOURCES EXCLUDE REGEX "command_line_error_texts|widgets/numeric_field")
kirabel_glob(KIRABEL_RENDER_TEXT_SOURCES src/cli/*.cpp ${KIRABEL_RENDER_ERROR_TEXTS})
set(KIRABEL_LUPDATE_OPTIONS -locations relative -no-obsolete)
qt_add_lupdate(kirabel_texts
  TS_FILES ${KIRABEL_DESKTOP_CATALOGUE}
  SOURCES ${KIRABEL_DESKTOP_TEXT_SOURCES}
  INCLUDE_DIRECTORIES ${CMAKE_CURRENT_SOURCE_DIR}/src
  OPTIONS ${KIRABEL_LUPDATE_OPTIONS} -source-language ja_JP -target-language en_US
          -tr-function-alias QT_TRANSLATE_NOOP+=KIRABEL_TRANSLATABLE)

# The program's translations: translations/tavoclip_<lang>.ts are the
# translators' files, kept current by the tavoclip_lupdate target; the build
# turns them into .qm files in the program folder's translations folder,
# where tavoclip and tavoclip-batch look for them, and the install copies
# them beside the programs.
if(TAVOCLIP_CORE_ONLY)
  return()
endif()

find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(TAVOCLIP_LANGUAGES de fr es pt_BR it ru zh_CN ja)
set(tavoclip_ts_files)
foreach(language IN LISTS TAVOCLIP_LANGUAGES)
  list(APPEND tavoclip_ts_files ${PROJECT_SOURCE_DIR}/translations/tavoclip_${language}.ts)
endforeach()
set_source_files_properties(${tavoclip_ts_files} PROPERTIES OUTPUT_LOCATION ${TAVOCLIP_PROGRAM_DIR}/translations)

# Every Qt-side source may show text; the core and the converter do not
# (the converter's reason lines stay English for scripts).
file(GLOB_RECURSE tavoclip_translated_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h)
list(FILTER tavoclip_translated_sources EXCLUDE REGEX "/src/(core|converter)/")
# The same list for the test that runs lupdate on a copy of the .ts files.
list(JOIN tavoclip_translated_sources "\n" tavoclip_source_lines)
file(WRITE ${PROJECT_BINARY_DIR}/translations/sources.lst "${tavoclip_source_lines}\n")

qt_add_translations(tavoclip
  TS_FILES ${tavoclip_ts_files}
  SOURCES ${tavoclip_translated_sources}
  LUPDATE_OPTIONS -no-obsolete -locations none
  QM_FILES_OUTPUT_VARIABLE tavoclip_qm_files)
add_dependencies(tavoclip-batch tavoclip_lrelease)
install(FILES ${tavoclip_qm_files} DESTINATION lib/tavoclip/translations)

# Each language's help page (its Getting started, with a link to the full
# English guide), beside help.html; Help opens the one its translation names.
set(tavoclip_help_pages)
foreach(language IN LISTS TAVOCLIP_LANGUAGES)
  configure_file(${PROJECT_SOURCE_DIR}/docs/help_${language}.html ${TAVOCLIP_PROGRAM_DIR}/help_${language}.html COPYONLY)
  list(APPEND tavoclip_help_pages ${TAVOCLIP_PROGRAM_DIR}/help_${language}.html)
endforeach()
install(FILES ${tavoclip_help_pages} DESTINATION lib/tavoclip)

# The help file: the HTML pages of res/help compiled by chmcmd into one
# Vantrel.CHM, which is then copied beside a program under the program's
# own base name (Help Topics looks for the program's path with the extension
# CHM):
#
#   vantrel_add_help_file(<program target>)
#
# Building the program builds and copies its help file. To install it beside
# the installed program:
#   install(FILES $<TARGET_FILE_DIR:Vantrel>/Vantrel.CHM DESTINATION <program's folder>)

include_guard(GLOBAL)

find_program(VANTREL_CHMCMD chmcmd REQUIRED)

# Where the compiled help file is made before it is copied beside programs.
function(_vantrel_help_file_path out_var)
  set(${out_var} "${CMAKE_BINARY_DIR}/help/Vantrel.CHM" PARENT_SCOPE)
endfunction()

# Compiles the help once for the whole build, in a folder of its own.
function(_vantrel_add_help_compilation)
  if(TARGET vantrel_help)
    return()
  endif()
  _vantrel_help_file_path(help_file)
  set(resources "${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../res")
  file(GLOB pages CONFIGURE_DEPENDS "${resources}/help/*")
  # The status icons that the pages show.
  set(pictures "")
  foreach(number RANGE 129 134)
    list(APPEND pictures "${resources}/bitmaps/bitmap_${number}.png")
  endforeach()
  set(stage "${CMAKE_BINARY_DIR}/help/stage")
  add_custom_command(OUTPUT "${help_file}"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${stage}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${stage}"
    COMMAND ${CMAKE_COMMAND} -E copy ${pages} ${pictures} "${stage}"
    COMMAND ${CMAKE_COMMAND} -E chdir "${stage}" "${VANTREL_CHMCMD}" --verbosity 1 Vantrel.hhp
    COMMAND ${CMAKE_COMMAND} -E copy "${stage}/Vantrel.CHM" "${help_file}"
    DEPENDS ${pages} ${pictures}
    COMMENT "Compiling the help file Vantrel.CHM"
    VERBATIM)
  add_custom_target(vantrel_help DEPENDS "${help_file}")
endfunction()

function(vantrel_add_help_file target)
  _vantrel_add_help_compilation()
  _vantrel_help_file_path(help_file)
  set(folder "$<TARGET_FILE_DIR:${target}>")
  add_custom_target(${target}_help_file
    COMMAND ${CMAKE_COMMAND} -E make_directory "${folder}"
    COMMAND ${CMAKE_COMMAND} -E copy_if_different "${help_file}"
            "${folder}/$<TARGET_FILE_BASE_NAME:${target}>.CHM"
    VERBATIM)
  add_dependencies(${target}_help_file vantrel_help)
  add_dependencies(${target} ${target}_help_file)
endfunction()

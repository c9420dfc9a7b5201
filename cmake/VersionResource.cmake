# The version resource of a Windows program: what Explorer's Details tab shows (version, product,
# description, file name), filled from the project version.
#   ppexport_add_version_resource(target DESCRIPTION "What the program is")
set(PPEXPORT_VERSION_RESOURCE_TEMPLATE ${CMAKE_CURRENT_LIST_DIR}/version.rc.in)

function(ppexport_add_version_resource target)
  cmake_parse_arguments(PARSE_ARGV 1 VERSION_RESOURCE "" "DESCRIPTION" "")
  set(PPEXPORT_FILE_DESCRIPTION "${VERSION_RESOURCE_DESCRIPTION}")
  get_target_property(output_name ${target} OUTPUT_NAME)
  if(NOT output_name)
    set(output_name ${target})
  endif()
  set(PPEXPORT_ORIGINAL_FILENAME "${output_name}.exe")
  set(PPEXPORT_INTERNAL_NAME "${output_name}")
  set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}-version.rc)
  configure_file(${PPEXPORT_VERSION_RESOURCE_TEMPLATE} ${resource} @ONLY)
  target_sources(${target} PRIVATE ${resource})
endfunction()

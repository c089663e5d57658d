# Embedding of resources into executables and libraries.
#
#   tavrel_add_resources(TARGET SCRIPT [HEADER_NAME name.h])
#
# Runs rescomp on SCRIPT at build time. rescomp writes a depfile listing the
# script and every file it names, so editing any of them rebuilds the
# resources. The generated source registers the resources from a static
# constructor; it is compiled in an OBJECT library. Executables and shared
# libraries link those objects directly. A static library would archive
# them, and the linker drops archive members nothing refers to, so for a
# static TARGET the objects are handed to every program that links TARGET
# (INTERFACE link items) instead of being archived. With HEADER_NAME, the
# string-table constants are written to that header, whose folder is added
# to TARGET's include path.
function(tavrel_add_resources TARGET SCRIPT)
  cmake_parse_arguments(PARSE_ARGV 2 ARG "" "HEADER_NAME" "")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "tavrel_add_resources: unexpected arguments ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  get_filename_component(script "${SCRIPT}" ABSOLUTE)
  get_filename_component(stem "${script}" NAME_WE)
  set(objlib ${TARGET}_res_${stem})
  set(gen_dir "${CMAKE_CURRENT_BINARY_DIR}/${objlib}")
  set(source "${gen_dir}/${stem}.res.cpp")
  set(depfile "${gen_dir}/${stem}.res.d")
  set(outputs "${source}")
  set(header_args)
  if(ARG_HEADER_NAME)
    set(header "${gen_dir}/include/${ARG_HEADER_NAME}")
    list(APPEND outputs "${header}")
    set(header_args --header "${header}")
  endif()
  file(MAKE_DIRECTORY "${gen_dir}/include")

  add_custom_command(
    OUTPUT ${outputs}
    COMMAND rescomp "${script}" --output "${source}" ${header_args} --depfile "${depfile}"
    DEPENDS rescomp "${script}"
    DEPFILE "${depfile}"
    COMMENT "Compiling resources ${stem}"
    VERBATIM)

  add_library(${objlib} OBJECT ${outputs})
  target_link_libraries(${objlib} PUBLIC tavrel_platform)
  add_dependencies(${TARGET} ${objlib})
  get_target_property(type ${TARGET} TYPE)
  if(type STREQUAL "STATIC_LIBRARY")
    target_link_libraries(${TARGET} INTERFACE "$<TARGET_OBJECTS:${objlib}>")
  else()
    target_link_libraries(${TARGET} PRIVATE ${objlib})
  endif()
  if(ARG_HEADER_NAME)
    target_include_directories(${TARGET} PUBLIC "${gen_dir}/include")
  endif()
endfunction()

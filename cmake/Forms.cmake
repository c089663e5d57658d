# Form definitions compiled and embedded into a target.
#
#   tavrel_add_forms(TARGET FORM...)
#
# Runs formc on each FORM (text, "object Form1: TForm1 ...") at build time,
# giving a binary stream in the build folder, and embeds it as an RCDATA
# resource named after the root's class in upper case ("TFORM1"), where the
# form loader looks for it. formc writes, next to the stream, a one-line
# resource script naming it by its absolute path, which goes through
# tavrel_add_resources; its depfile lists the pictures a form includes, so
# editing Logo.jpg rebuilds the stream as editing the form does.
function(tavrel_add_forms TARGET)
  foreach(form IN LISTS ARGN)
    get_filename_component(form "${form}" ABSOLUTE)
    get_filename_component(stem "${form}" NAME_WE)
    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/${TARGET}_forms")
    set(stream "${out_dir}/${stem}.bin")
    set(script "${out_dir}/${stem}.rc")
    file(MAKE_DIRECTORY "${out_dir}")
    add_custom_command(
      OUTPUT "${stream}" "${script}"
      COMMAND formc "${form}" --output "${stream}" --rc "${script}" --depfile "${out_dir}/${stem}.d"
      DEPENDS formc "${form}"
      DEPFILE "${out_dir}/${stem}.d"
      COMMENT "Compiling form ${stem}"
      VERBATIM)
    tavrel_add_resources(${TARGET} "${script}")
  endforeach()
endfunction()

# qumat_program_resource(TARGET DESCRIPTION): gives a Windows program the icon, version and maker
# that Explorer and the list of installed programs show (packaging/windows/program.rc.in).
function(qumat_program_resource target description)
    set(QUMAT_RESOURCE_PROGRAM ${target})
    set(QUMAT_RESOURCE_DESCRIPTION ${description})
    set(QUMAT_RESOURCE_ICON ${PROJECT_SOURCE_DIR}/packaging/qumat_pro.ico)
    set(resource ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${resource} @ONLY)
    target_sources(${target} PRIVATE ${resource})
endfunction()

# windows_package: build/package/qumat-VERSION-windows-ARCH.zip with qumat.exe, the README's
# command-line and Windows sections as text, and the emulated camera's k47_4g_pc.dll in a folder
# of its own, so that the maker's library dropped beside qumat.exe is the one that loads.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUMAT_PACKAGE_NAME qumat-${PROJECT_VERSION}-windows-x64)
else()
    set(QUMAT_PACKAGE_NAME qumat-${PROJECT_VERSION}-windows-x86)
endif()
set(QUMAT_PACKAGE_ROOT ${PROJECT_BINARY_DIR}/package/${QUMAT_PACKAGE_NAME})
add_custom_target(windows_package
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUMAT_PACKAGE_ROOT} ${QUMAT_PACKAGE_ROOT}.zip
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUMAT_PACKAGE_ROOT}/emulated-camera
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:qumat> ${QUMAT_PACKAGE_ROOT}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:k47_4g_pc> ${QUMAT_PACKAGE_ROOT}/emulated-camera
    COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md
            -DOUTPUT=${QUMAT_PACKAGE_ROOT}/qumat.txt -P ${CMAKE_CURRENT_LIST_DIR}/readme-sections.cmake
    COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/package
            ${CMAKE_COMMAND} -E tar cf ${QUMAT_PACKAGE_NAME}.zip --format=zip ${QUMAT_PACKAGE_NAME}
    DEPENDS qumat k47_4g_pc
    VERBATIM)

# What a Windows package ships, in build/package/files: qumat.exe, qumat_pro.exe where the window
# program builds, the README's sections for Windows as qumat.txt, and the emulated camera's
# k47_4g_pc.dll in a folder of its own, so that the maker's library put beside the programs is the
# one that loads. Binaries are stripped: their symbols would double their size.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(QUMAT_PACKAGE_ARCHITECTURE x64)
else()
    set(QUMAT_PACKAGE_ARCHITECTURE x86)
endif()
set(QUMAT_PACKAGE_NAME qumat_pro-${PROJECT_VERSION}-windows-${QUMAT_PACKAGE_ARCHITECTURE})
set(QUMAT_PACKAGE_FILES ${PROJECT_BINARY_DIR}/package/files)
set(QUMAT_PACKAGE_PROGRAMS qumat)
if(TARGET qumat_pro)
    list(APPEND QUMAT_PACKAGE_PROGRAMS qumat_pro)
endif()
set(QUMAT_STRIP_PROGRAMS "")
foreach(program IN LISTS QUMAT_PACKAGE_PROGRAMS)
    list(APPEND QUMAT_STRIP_PROGRAMS COMMAND ${CMAKE_STRIP} --strip-all -o
         ${QUMAT_PACKAGE_FILES}/${program}.exe $<TARGET_FILE:${program}>)
endforeach()
add_custom_target(windows_package_files
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUMAT_PACKAGE_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QUMAT_PACKAGE_FILES}/emulated-camera
    ${QUMAT_STRIP_PROGRAMS}
    COMMAND ${CMAKE_STRIP} --strip-all -o ${QUMAT_PACKAGE_FILES}/emulated-camera/k47_4g_pc.dll
            $<TARGET_FILE:k47_4g_pc>
    COMMAND ${CMAKE_COMMAND} -DREADME=${PROJECT_SOURCE_DIR}/README.md
            -DOUTPUT=${QUMAT_PACKAGE_FILES}/qumat.txt -P ${CMAKE_CURRENT_LIST_DIR}/readme-sections.cmake
    DEPENDS ${QUMAT_PACKAGE_PROGRAMS} k47_4g_pc
    VERBATIM)

# windows_package: build/package/qumat_pro-VERSION-windows-ARCH.zip, those files in a folder.
set(QUMAT_PACKAGE_ROOT ${PROJECT_BINARY_DIR}/package/${QUMAT_PACKAGE_NAME})
add_custom_target(windows_package
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${QUMAT_PACKAGE_ROOT} ${QUMAT_PACKAGE_ROOT}.zip
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${QUMAT_PACKAGE_FILES} ${QUMAT_PACKAGE_ROOT}
    COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/package
            ${CMAKE_COMMAND} -E tar cf ${QUMAT_PACKAGE_NAME}.zip --format=zip ${QUMAT_PACKAGE_NAME}
    VERBATIM)
add_dependencies(windows_package windows_package_files)

# windows_msi: build/package/qumat_pro-VERSION-windows-ARCH.msi, the same files installed in
# Program Files (packaging/windows/qumat_pro.wxs says where), built by wixl, with the program's
# icon for the list of installed programs beside them.
find_program(QUMAT_WIXL wixl)
if(NOT QUMAT_WIXL)
    add_custom_target(windows_msi
        COMMAND ${CMAKE_COMMAND} -E echo "windows_msi needs wixl (Debian package wixl)"
        COMMAND ${CMAKE_COMMAND} -E false)
else()
    set(QUMAT_MSI_DEFINES -D Arch=${QUMAT_PACKAGE_ARCHITECTURE} -D Version=${PROJECT_VERSION}
                          -D Files=files -D Icon=qumat_pro.ico)
    if(TARGET qumat_pro)
        list(APPEND QUMAT_MSI_DEFINES -D WindowProgram=yes)
    endif()
    add_custom_target(windows_msi
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/packaging/qumat_pro.ico
                ${PROJECT_BINARY_DIR}/package/qumat_pro.ico
        COMMAND ${QUMAT_WIXL} -a ${QUMAT_PACKAGE_ARCHITECTURE} ${QUMAT_MSI_DEFINES}
                -o ${PROJECT_BINARY_DIR}/package/${QUMAT_PACKAGE_NAME}.msi
                ${PROJECT_SOURCE_DIR}/packaging/windows/qumat_pro.wxs
        # wixl takes sources relative to its folder only.
        WORKING_DIRECTORY ${PROJECT_BINARY_DIR}/package
        VERBATIM)
    add_dependencies(windows_msi windows_package_files)
endif()

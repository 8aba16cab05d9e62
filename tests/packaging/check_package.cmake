# cmake -DBUILD_DIR=... -DWORK_DIR=... -DEXPECTED=a;b -DVERSION=x.y.z -P check_package.cmake
# Makes the package with cpack, lists it, unpacks it and starts the unpacked
# editor, which must find its libraries without help.

function(fail message)
    message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    fail("cpack failed:\n${output}")
endif()
file(GLOB packages ${WORK_DIR}/*.deb)
list(LENGTH packages count)
if(NOT count EQUAL 1)
    fail("expected one package, found: ${packages}")
endif()

execute_process(COMMAND dpkg-deb -c ${packages} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    fail("dpkg-deb -c failed")
endif()
foreach(path ${EXPECTED})
    string(REPLACE "." "\\." pattern "${path}")
    if(NOT listing MATCHES " \\./${pattern}( |\n|$)")
        fail("missing from the package: ${path}\n${listing}")
    endif()
endforeach()
# Nothing links against the libraries from outside, so no development link.
if(listing MATCHES "\\.so( |\n)")
    fail("the package holds a development link:\n${listing}")
endif()
if(listing MATCHES " \\./usr/local/")
    fail("the package installs into /usr/local:\n${listing}")
endif()

execute_process(COMMAND dpkg-deb -f ${packages} Depends OUTPUT_VARIABLE depends)
if(NOT depends MATCHES "libqt5widgets5" OR NOT depends MATCHES "libqt5serialport5")
    fail("dependencies not found by dpkg-shlibdeps: ${depends}")
endif()

set(unpacked ${WORK_DIR}/unpacked)
execute_process(COMMAND dpkg-deb -x ${packages} ${unpacked} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    fail("dpkg-deb -x failed")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH ${unpacked}/usr/bin/KamdelEditor --version
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT output MATCHES "${VERSION}")
    fail("the unpacked editor did not start (${result}): ${output}${errors}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})

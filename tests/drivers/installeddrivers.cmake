# Installs the build into a scratch prefix and checks that every driver registered through
# spectavo_add_hub_driver() is in the installation's driver folder.
set(prefix ${BUILD_DIR}/installed-drivers-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the installation failed: ${result}")
endif()
list(LENGTH DRIVERS count)
if(count LESS 2)
    message(FATAL_ERROR "expected the shipped drivers (sim, rs232) to be registered, got: ${DRIVERS}")
endif()
foreach(driver IN LISTS DRIVERS)
    if(NOT EXISTS ${prefix}/lib/spectavo/drivers/${driver})
        message(FATAL_ERROR "${driver} is registered but not installed")
    endif()
endforeach()
file(REMOVE_RECURSE ${prefix})

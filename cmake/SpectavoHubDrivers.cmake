# A hub driver is one folder under src/drivers whose CMakeLists.txt calls
#
#   spectavo_add_hub_driver(NAME SOURCES file.cpp ... LIBRARIES target ...)
#
# It becomes tarvesta.zav.comm.NAME.so in bin/ beside the programs (the loader's place in a build
# tree), is installed with the shipped drivers, and is built before the workstation and every test
# that loads drivers (they depend on spectavo_hub_drivers). Only the driver contract is exported.
add_custom_target(spectavo_hub_drivers)
set_property(GLOBAL PROPERTY SPECTAVO_HUB_DRIVER_FILES "")

function(spectavo_add_hub_driver name)
    cmake_parse_arguments(DRIVER "" "" "SOURCES;LIBRARIES" ${ARGN})
    set(target spectavo_driver_${name})
    add_library(${target} MODULE ${DRIVER_SOURCES})
    target_link_libraries(${target} PRIVATE ${DRIVER_LIBRARIES} spectavo_warnings)
    target_link_options(${target} PRIVATE -Wl,--exclude-libs,ALL)
    set_target_properties(${target} PROPERTIES PREFIX "" OUTPUT_NAME "tarvesta.zav.comm.${name}" SUFFIX ".so")
    install(TARGETS ${target} LIBRARY DESTINATION lib/spectavo/drivers)
    add_dependencies(spectavo_hub_drivers ${target})
    set_property(GLOBAL APPEND PROPERTY SPECTAVO_HUB_DRIVER_FILES "tarvesta.zav.comm.${name}.so")
endfunction()

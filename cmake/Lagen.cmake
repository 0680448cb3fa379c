# One library per layer. A target's include root holds links to its own source folders only,
# and it sees the folders of the layers it links: an include of a layer above it does not build.
function(kx_laag doel)
    set(wortel ${CMAKE_BINARY_DIR}/lagen/${doel})
    file(MAKE_DIRECTORY ${wortel})
    foreach(map IN LISTS ARGN)
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${map} ${wortel}/${map} SYMBOLIC)
    endforeach()
    target_include_directories(${doel} PUBLIC ${wortel})
endfunction()

# The sources of the given folders under src/, without their programs' main.cpp.
function(kx_bronnen uitvoer)
    set(patronen)
    foreach(map IN LISTS ARGN)
        list(APPEND patronen src/${map}/*.cpp src/${map}/*.h)
    endforeach()
    file(GLOB bronnen CONFIGURE_DEPENDS ${patronen})
    list(FILTER bronnen EXCLUDE REGEX ".*/main\\.cpp$")
    set(${uitvoer} ${bronnen} PARENT_SCOPE)
endfunction()

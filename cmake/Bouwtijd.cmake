# Shorter builds of the test trees, without changing what they build.

# Precompiled headers for the heavy libraries (Eigen, Qt, GoogleTest, nlohmann-json), with clang
# only: GCC's are large and slow to load, and with the unity units below they cost more than
# they save. Never with a compiler launcher: ccache does not cache a compile that uses one.
function(kx_voorvertaald doel)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
        target_precompile_headers(${doel} PRIVATE ${ARGN})
    endif()
endfunction()

# The test programs and their libraries link with lld where it is installed; the package keeps
# the system linker.
if(BUILD_TESTING)
    include(CheckLinkerFlag)
    check_linker_flag(CXX -fuse-ld=lld KX_LLD)
    if(KX_LLD)
        add_link_options(-fuse-ld=lld)
    endif()
endif()

# The libraries and the test programs compile eight files at a time as one unit, in file order,
# which parses the heavy headers once per unit instead of once per file. Files of one target
# keep distinct file-local names and share their helpers through headers, so that they compile
# in any grouping, also all as one unit (UNITY_BUILD_BATCH_SIZE 0).
function(kx_samengevoegd doel)
    set_target_properties(${doel} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
endfunction()

# Port forwarding on the home router (UPnP IGD) through Debian's libminiupnpc-dev.
# Found without pkg-config, which a fresh machine may not have.
find_path(MINIUPNPC_INCLUDE_DIR miniupnpc/miniupnpc.h REQUIRED)
find_library(MINIUPNPC_LIBRARY NAMES miniupnpc REQUIRED)
if(NOT TARGET Ropewit::miniupnpc)
    add_library(Ropewit::miniupnpc UNKNOWN IMPORTED)
    set_target_properties(Ropewit::miniupnpc PROPERTIES
        IMPORTED_LOCATION ${MINIUPNPC_LIBRARY}
        INTERFACE_INCLUDE_DIRECTORIES ${MINIUPNPC_INCLUDE_DIR})
endif()

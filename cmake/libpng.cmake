# A static libpng for the Windows build, compiled from Debian's libpng1.6 source that scripts/setup
# unpacks into third_party/libpng. zlib comes from Debian's libz-mingw-w64-dev.
set(LIBPNG_SOURCE_DIR ${PROJECT_SOURCE_DIR}/third_party/libpng)
if(NOT EXISTS ${LIBPNG_SOURCE_DIR}/png.h)
  message(FATAL_ERROR "libpng source missing in ${LIBPNG_SOURCE_DIR}: run scripts/setup")
endif()

find_library(MINGW_ZLIB NAMES libz.a z REQUIRED)
find_path(MINGW_ZLIB_INCLUDE zlib.h REQUIRED)

# The prebuilt configuration is libpng's own default set of features.
configure_file(${LIBPNG_SOURCE_DIR}/scripts/pnglibconf.h.prebuilt
               ${CMAKE_BINARY_DIR}/libpng/pnglibconf.h COPYONLY)

add_library(png_static STATIC
  ${LIBPNG_SOURCE_DIR}/png.c ${LIBPNG_SOURCE_DIR}/pngerror.c ${LIBPNG_SOURCE_DIR}/pngget.c
  ${LIBPNG_SOURCE_DIR}/pngmem.c ${LIBPNG_SOURCE_DIR}/pngpread.c ${LIBPNG_SOURCE_DIR}/pngread.c
  ${LIBPNG_SOURCE_DIR}/pngrio.c ${LIBPNG_SOURCE_DIR}/pngrtran.c ${LIBPNG_SOURCE_DIR}/pngrutil.c
  ${LIBPNG_SOURCE_DIR}/pngset.c ${LIBPNG_SOURCE_DIR}/pngtrans.c ${LIBPNG_SOURCE_DIR}/pngwio.c
  ${LIBPNG_SOURCE_DIR}/pngwrite.c ${LIBPNG_SOURCE_DIR}/pngwtran.c ${LIBPNG_SOURCE_DIR}/pngwutil.c)
target_include_directories(png_static SYSTEM PUBLIC ${LIBPNG_SOURCE_DIR} ${CMAKE_BINARY_DIR}/libpng
                                                    ${MINGW_ZLIB_INCLUDE})
target_compile_options(png_static PRIVATE -w)
target_link_libraries(png_static PUBLIC ${MINGW_ZLIB})

# Cross-compiling for 64-bit Windows: the twin of the i686 build, whose test programs run under 64-bit
# Wine on machines that cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)

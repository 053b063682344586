# Settings of the Windows cross build (see cmake/mingw-w64-x86_64.cmake).

# Qt has no MinGW build here: the Windows window is the native one in src/win.
set(PELTARIX_GUI OFF CACHE BOOL "" FORCE)
set(PELTARIX_BENCH OFF CACHE BOOL "" FORCE)

# Wide Win32 APIs only, Windows 10 and later.
add_compile_definitions(UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN _WIN32_WINNT=0x0A00
                        WINVER=0x0A00)
# One self-contained .exe each: no libstdc++, libgcc or winpthread DLL to ship.
add_link_options(-static -static-libgcc -static-libstdc++)
# GCC 12 warns falsely about std::string concatenation at -O3 (GCC bug 105329).
add_compile_options(-Wno-restrict)
# No debugging symbols in the programs handed out.
add_link_options($<$<CONFIG:Release>:-s>)

# Header-only libraries of the build machine (CLI11, Boost.Geometry for the
# tests) are plain C++: expose just their folders, not the host's /usr/include.
set(PELTARIX_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-include)
file(MAKE_DIRECTORY ${PELTARIX_HOST_HEADERS})
foreach(library CLI boost nlohmann)
  if(EXISTS /usr/include/${library} AND NOT EXISTS ${PELTARIX_HOST_HEADERS}/${library})
    file(CREATE_LINK /usr/include/${library} ${PELTARIX_HOST_HEADERS}/${library} SYMBOLIC)
  endif()
endforeach()
add_library(peltarix_host_headers INTERFACE)
target_include_directories(peltarix_host_headers SYSTEM INTERFACE ${PELTARIX_HOST_HEADERS})
add_library(CLI11::CLI11 ALIAS peltarix_host_headers)
add_library(nlohmann_json::nlohmann_json ALIAS peltarix_host_headers)
# Their find_package calls find these targets already made.
foreach(package CLI11 nlohmann_json)
  file(WRITE ${CMAKE_BINARY_DIR}/host-config/${package}Config.cmake
       "# Made by cmake/windows.cmake: the target exists already.\n")
  set(${package}_DIR ${CMAKE_BINARY_DIR}/host-config)
endforeach()

# GoogleTest from Debian's source package, built with the cross compiler.
if(PELTARIX_TESTS AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# Tests run under Wine, in a prefix of this build folder.
set(PELTARIX_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tests/windows/wine_run.sh
    ${PELTARIX_WINEPREFIX})

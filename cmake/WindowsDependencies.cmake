# The libraries of a cross build, made from sources instead of found installed:
# SQLite from its amalgamation (VBGEN_SQLITE_DIR, made by scripts/build-windows.sh
# from Debian's source package), libgit2 with PCRE2 and http-parser built into
# VBGEN_WINDOWS_DEPS_DIR (scripts/build-windows-deps.sh) and zlib from Debian's
# libz-mingw-w64-dev, GoogleTest and GoogleMock from Debian's sources, and the
# header-only CLI11 and nlohmann-json from the host's /usr/include, reached
# through a folder that holds only them.
enable_language(C)

set(VBGEN_SQLITE_DIR "" CACHE PATH "Folder holding sqlite3.c and sqlite3.h")
if(NOT EXISTS "${VBGEN_SQLITE_DIR}/sqlite3.c")
  message(FATAL_ERROR "No SQLite amalgamation in VBGEN_SQLITE_DIR (${VBGEN_SQLITE_DIR}): run scripts/build-windows.sh")
endif()
add_library(vbsqlite STATIC ${VBGEN_SQLITE_DIR}/sqlite3.c)
target_include_directories(vbsqlite SYSTEM PUBLIC ${VBGEN_SQLITE_DIR})
target_compile_definitions(vbsqlite PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION)
# The amalgamation is third-party code: its own warnings are not ours to fix.
target_compile_options(vbsqlite PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS vbsqlite)

set(VBGEN_WINDOWS_DEPS_DIR "" CACHE PATH "Prefix holding the static libgit2, PCRE2 and http-parser")
set(deps_lib ${VBGEN_WINDOWS_DEPS_DIR}/lib)
set(mingw_zlib ${CMAKE_FIND_ROOT_PATH}/lib/libz.a)
if(NOT EXISTS "${deps_lib}/libgit2.a")
  message(FATAL_ERROR "No libgit2 in VBGEN_WINDOWS_DEPS_DIR (${VBGEN_WINDOWS_DEPS_DIR}): run scripts/build-windows.sh")
endif()
if(NOT EXISTS "${mingw_zlib}")
  message(FATAL_ERROR "${mingw_zlib} is missing: run scripts/setup.sh (libz-mingw-w64-dev)")
endif()
# Named as the native build's pkg-config names it. Static libraries in link
# order, then Windows' sockets, which libgit2 calls beyond MinGW's default libraries.
add_library(PkgConfig::LIBGIT2 INTERFACE IMPORTED)
set_target_properties(PkgConfig::LIBGIT2 PROPERTIES
  INTERFACE_INCLUDE_DIRECTORIES ${VBGEN_WINDOWS_DEPS_DIR}/include
  INTERFACE_LINK_LIBRARIES "${deps_lib}/libgit2.a;${deps_lib}/libpcre2-8.a;${deps_lib}/libhttp_parser.a;${mingw_zlib};ws2_32")

set(host_headers ${CMAKE_BINARY_DIR}/host-headers)
foreach(folder CLI nlohmann)
  if(NOT EXISTS /usr/include/${folder})
    message(FATAL_ERROR "/usr/include/${folder} is missing: run scripts/setup.sh")
  endif()
  file(MAKE_DIRECTORY ${host_headers})
  file(CREATE_LINK /usr/include/${folder} ${host_headers}/${folder} SYMBOLIC)
endforeach()
add_library(vbheaders INTERFACE)
target_include_directories(vbheaders SYSTEM INTERFACE ${host_headers})
add_library(CLI11::CLI11 ALIAS vbheaders)
add_library(nlohmann_json::nlohmann_json ALIAS vbheaders)

if(VBGEN_TESTS)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  # Defines GTest::gtest, GTest::gtest_main and gmock.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# The workbench links the static Qt of scripts/build-windows-qt.sh; moc, uic and
# rcc are the host's (qt6-base-dev-tools, the same Qt version).
if(VBGEN_WORKBENCH)
  set(VBGEN_WINDOWS_QT_DIR "" CACHE PATH "Prefix of the static Qt for MinGW-w64")
  if(NOT EXISTS "${VBGEN_WINDOWS_QT_DIR}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "No Qt in VBGEN_WINDOWS_QT_DIR (${VBGEN_WINDOWS_QT_DIR}): run scripts/build-windows-qt.sh")
  endif()
  list(APPEND CMAKE_FIND_ROOT_PATH ${VBGEN_WINDOWS_QT_DIR})
  list(APPEND CMAKE_PREFIX_PATH ${VBGEN_WINDOWS_QT_DIR})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()

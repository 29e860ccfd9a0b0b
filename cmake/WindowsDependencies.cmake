# The libraries of a cross build, made from sources instead of found installed:
# SQLite from its amalgamation (VBGEN_SQLITE_DIR, made by scripts/build-windows.sh
# from Debian's source package), GoogleTest and GoogleMock from Debian's sources, and the
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

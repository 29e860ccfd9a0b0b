# Copies every entry of SOURCE into DEST except the build files and the schema;
# the about page gets the version VBGEN_VERSION.
file(GLOB entries RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(entry IN LISTS entries)
  if(entry MATCHES "^(CMakeLists\\.txt|copy_home\\.cmake|schema\\.sql)$")
    continue()
  endif()
  if(entry STREQUAL "about.html")
    configure_file(${SOURCE}/${entry} ${DEST}/${entry} @ONLY)
    continue()
  endif()
  file(COPY ${SOURCE}/${entry} DESTINATION ${DEST})
endforeach()

# Copies every entry of SOURCE into DEST except the build files and the schema.
file(GLOB entries RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(entry IN LISTS entries)
  if(entry MATCHES "^(CMakeLists\\.txt|copy_home\\.cmake|schema\\.sql)$")
    continue()
  endif()
  file(COPY ${SOURCE}/${entry} DESTINATION ${DEST})
endforeach()

# Copies every file below FRAAN to the same place below TILL where no file of
# that name exists yet. The program folder is where a teacher keeps and edits
# exercises on a first start: a file that is already there is never replaced.
#   cmake -DFRAAN=<folder> -DTILL=<folder> -P KopieraSaknade.cmake
file(GLOB_RECURSE filer RELATIVE "${FRAAN}" "${FRAAN}/*")
foreach(fil IN LISTS filer)
  if(NOT EXISTS "${TILL}/${fil}" AND NOT IS_SYMLINK "${TILL}/${fil}")
    get_filename_component(mapp "${TILL}/${fil}" DIRECTORY)
    file(COPY "${FRAAN}/${fil}" DESTINATION "${mapp}")
  endif()
endforeach()

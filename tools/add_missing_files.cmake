# Adds the shipped program folder's files that are missing in the installed program folder.
#   cmake -DFROM=<shipped folder> -DTO=<program folder> -P tools/add_missing_files.cmake
# Once the program folder exists, its files are the user's settings: a file that is there, under any
# letter case, is never replaced, and whatever stands where a shipped file would go is left alone.
if(NOT FROM OR NOT TO)
  message(FATAL_ERROR "usage: cmake -DFROM=<folder> -DTO=<folder> -P add_missing_files.cmake")
endif()

# The entry of `folder` named `name` ignoring letter case; `name` itself when there is none.
function(find_entry folder name out)
  string(TOLOWER "${name}" wanted)
  file(GLOB entries RELATIVE "${folder}" LIST_DIRECTORIES true "${folder}/*")
  foreach(entry IN LISTS entries)
    string(TOLOWER "${entry}" folded)
    if(folded STREQUAL wanted)
      set(${out} "${entry}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  set(${out} "${name}" PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE shipped RELATIVE "${FROM}" LIST_DIRECTORIES false "${FROM}/*")
set(added 0)
foreach(name IN LISTS shipped)
  # Walk the program folder by the shipped path, matching each name ignoring letter case.
  string(REPLACE "/" ";" parts "${name}")
  set(target "${TO}")
  set(blocked FALSE)
  foreach(part IN LISTS parts)
    if(EXISTS "${target}" AND NOT IS_DIRECTORY "${target}")
      set(blocked TRUE)  # a file stands where a folder of ours would go
      break()
    endif()
    find_entry("${target}" "${part}" entry)
    set(target "${target}/${entry}")
  endforeach()
  if(blocked OR EXISTS "${target}")
    continue()
  endif()
  get_filename_component(folder "${target}" DIRECTORY)
  file(COPY "${FROM}/${name}" DESTINATION "${folder}")
  math(EXPR added "${added} + 1")
endforeach()
message(STATUS "Program folder ${TO}: ${added} shipped file(s) added, none replaced")

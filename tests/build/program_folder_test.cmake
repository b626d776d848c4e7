# The build's treatment of an installed program folder, run as the build runs it:
#   cmake -DSCRIPT=<add_missing_files.cmake> -DDATA=<data> -DWORK=<scratch folder> -P program_folder_test.cmake
set(program "${WORK}/bin")
file(REMOVE_RECURSE "${WORK}")

function(build_again)
  execute_process(COMMAND "${CMAKE_COMMAND}" -DFROM=${DATA} -DTO=${program} -P "${SCRIPT}"
                  RESULT_VARIABLE failed OUTPUT_QUIET)
  if(failed)
    message(FATAL_ERROR "the program folder step failed")
  endif()
endfunction()

function(expect_shipped name)
  file(SHA256 "${DATA}/${name}" want)
  if(NOT EXISTS "${program}/${name}")
    message(FATAL_ERROR "${name} is missing in the program folder")
  endif()
  file(SHA256 "${program}/${name}" got)
  if(NOT want STREQUAL got)
    message(FATAL_ERROR "${name} is not as shipped")
  endif()
endfunction()

function(expect_text name text)
  file(SHA256 "${program}/${name}" got)
  string(SHA256 want "${text}")
  if(NOT got STREQUAL want)
    message(FATAL_ERROR "a build replaced the user's ${name}")
  endif()
endfunction()

# A first build installs every shipped file, byte for byte.
build_again()
file(GLOB_RECURSE shipped RELATIVE "${DATA}" LIST_DIRECTORIES false "${DATA}/*")
foreach(name IN LISTS shipped)
  expect_shipped("${name}")
endforeach()

# The user sets the competition up, removes files and keeps a folder under another spelling.
set(changed "[配置信息]\r\n比赛名称=明早的决赛\r\n")
file(WRITE "${program}/config/BasicInfo.ini" "${changed}")
file(REMOVE "${program}/config/tache/3.ini")
file(REMOVE_RECURSE "${program}/Theme")
file(RENAME "${program}/Update" "${program}/update")
file(WRITE "${program}/update/Update.ini" "user's")
file(REMOVE_RECURSE "${program}/helpimg")
file(WRITE "${program}/helpimg" "a file where a folder was")

build_again()
expect_text(config/BasicInfo.ini "${changed}")
expect_text(update/Update.ini "user's")
expect_text(helpimg "a file where a folder was")
file(GLOB updateFolders RELATIVE "${program}" LIST_DIRECTORIES true "${program}/?pdate")
if(NOT updateFolders STREQUAL "update")
  message(FATAL_ERROR "a build made a second folder beside one spelt otherwise: ${updateFolders}")
endif()
expect_shipped(config/tache/3.ini)
foreach(n 1 2 3 4)
  expect_shipped(Theme/Theme${n}.jpg)
endforeach()

file(REMOVE_RECURSE "${WORK}")

# Fails when a source file differs from what clang-format makes of it.
set(folders platform rules neural settings board players ai coach match app tools assets tests bench fuzz)
set(sources)
foreach(folder IN LISTS folders)
    file(GLOB_RECURSE found ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp)
    list(APPEND sources ${found})
endforeach()
execute_process(
    COMMAND ${CLANG_FORMAT} --dry-run --Werror --style=file ${sources}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format found unformatted files (run ./format.sh)")
endif()

# Run by CPack on its staging tree: strips every ELF file as Debian's own tools do, symbols and
# the .comment and .note sections alike, whichever target installed it.
file(GLOB_RECURSE fichiers LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(fichier IN LISTS fichiers)
    file(READ "${fichier}" entete LIMIT 4 HEX)
    if(entete STREQUAL "7f454c46")
        execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${fichier}"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()

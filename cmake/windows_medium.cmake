# The Windows medium takes the package's data from the Linux build
# (VLRNA_HOST_BUILD), whose generators made them: the nine archives, and the
# message files, licences, pictures, sound and autogen block of setup/. The
# Windows build adds its launcher and wizard.
set(VLRNA_HOST_MEDIUM ${VLRNA_HOST_BUILD}/medium)
set(host_files)
set(copies)
foreach(name setup.101 setup.102 setup.103 setup.104 setup.105
             setup.201 setup.202 setup.203 setup.204
             setup/ITEMS.ENG setup/ITEMS.GER setup/ITEMS.ITA setup/ITEMS.FRA
             setup/license.txt setup/lizenz.txt setup/spb_def.bin setup/setup.wav
             setup/vlrna_1024.bmp setup/vlrna_1280.bmp setup/vlrna_1680.bmp setup/vlrna_1920.bmp)
  set(from ${VLRNA_HOST_MEDIUM}/${name})
  set(to ${VLRNA_MEDIUM_DIR}/${name})
  add_custom_command(OUTPUT ${to}
    COMMAND ${CMAKE_COMMAND} -E copy ${from} ${to}
    DEPENDS ${from}
    COMMENT "Taking ${name} from the Linux build"
    VERBATIM)
  list(APPEND copies ${to})
endforeach()
add_custom_target(host_medium_data ALL DEPENDS ${copies})
add_dependencies(medium host_medium_data)

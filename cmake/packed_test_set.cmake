# cmake -DPACK=vlrna-pack -DOUT=folder -P packed_test_set.cmake
#
# Writes a small content folder for each of the nine archives and packs it
# with `PACK --aes` into OUT: the archive set the archive tests read back, on
# Linux and, packed by the Linux build's tool, on Windows. Each archive holds
# vlrna/<archive>.txt: "Veltrona <archive> <n>\r\n" for n from 0 to 2999.
foreach(archive setup.101 setup.102 setup.103 setup.104 setup.105
                setup.201 setup.202 setup.203 setup.204)
  set(text "")
  foreach(n RANGE 0 2999)
    string(APPEND text "Veltrona ${archive} ${n}\r\n")
  endforeach()
  file(WRITE ${OUT}/content/${archive}/vlrna/${archive}.txt "${text}")
endforeach()
execute_process(COMMAND ${PACK} ${OUT}/content ${OUT} --aes RESULT_VARIABLE failed
                OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "${PACK} failed")
endif()
file(REMOVE_RECURSE ${OUT}/content)

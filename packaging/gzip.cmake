# cmake -DIN=<file> -DOUT=<file.gz> -DGZIP=<gzip program> -P gzip.cmake
# Compresses IN as the package's documents are: gzip -9n, so that neither
# the file's name nor its time goes into the compressed file.
execute_process(
  COMMAND "${GZIP}" -9 -n -c "${IN}"
  OUTPUT_FILE "${OUT}.tmp"
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  file(REMOVE "${OUT}.tmp")
  message(FATAL_ERROR "gzip ${IN}: ${rc}")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")

# Copies SOURCE to DESTINATION only when DESTINATION does not exist yet.
if(NOT EXISTS "${DESTINATION}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}")
endif()

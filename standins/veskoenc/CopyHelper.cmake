# Copies the native helper beside veskoenc.exe; without a native build veskoenc.exe still builds, and
# under Wine it logs that the helper is missing.
if(EXISTS "${SOURCE}")
    file(COPY_FILE "${SOURCE}" "${DESTINATION}" ONLY_IF_DIFFERENT)
else()
    message(WARNING "veskoenc-helper not found at ${SOURCE}: build the native build first")
endif()

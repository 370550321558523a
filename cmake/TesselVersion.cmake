# The version line of the About box and the command-line tools comes from here.
string(TIMESTAMP TESSEL_BUILD_DATE "%m/%d/%Y" UTC)
set(TESSEL_VERSION_STRING "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
set(TESSEL_HOME_PAGE "https://ombrel.example.org/tessel")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tesselversion.h.in
               ${CMAKE_BINARY_DIR}/generated/tesselversion.h @ONLY)

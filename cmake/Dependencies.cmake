# Libraries of the core and the command line, from the system's packages.
if(WIN32)
  target_link_libraries(ppexport_core PUBLIC ole32 oleaut32 uuid advapi32)
else()
  find_package(SQLite3 REQUIRED)
  target_link_libraries(ppexport_core PUBLIC SQLite::SQLite3)
  find_package(Iconv REQUIRED)
  target_link_libraries(ppexport_core PUBLIC Iconv::Iconv)
endif()

find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(ppexport_core PRIVATE nlohmann_json::nlohmann_json)

find_package(CLI11 CONFIG REQUIRED)
add_library(ppexport_cli11 INTERFACE)
if(CLI11_FOUND)
  target_link_libraries(ppexport_cli11 INTERFACE CLI11::CLI11)
endif()

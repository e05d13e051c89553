# quorvel_json: nlohmann/json, header-only. A cross-build takes its headers from the build
# machine through a folder that holds them alone, so that no other header of the build
# machine's /usr/include reaches the target's compiler.
if(CMAKE_CROSSCOMPILING)
  find_path(QUORVEL_NLOHMANN_JSON_ROOT nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(json_include ${CMAKE_BINARY_DIR}/json-include)
  file(MAKE_DIRECTORY ${json_include})
  file(CREATE_LINK ${QUORVEL_NLOHMANN_JSON_ROOT}/nlohmann ${json_include}/nlohmann SYMBOLIC)
  add_library(quorvel_json INTERFACE)
  target_include_directories(quorvel_json SYSTEM INTERFACE ${json_include})
else()
  find_package(nlohmann_json 3 REQUIRED)
  add_library(quorvel_json INTERFACE)
  target_link_libraries(quorvel_json INTERFACE nlohmann_json::nlohmann_json)
endif()

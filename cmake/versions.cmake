# Reads versions.env, the one list of the versions and suites the builds are
# made of, into RPG_<KEY> variables (RPG_RELEASE_SUITE, RPG_GLIBC_FLOOR, ...).
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../versions.env rpg_version_lines REGEX "^[A-Z0-9_]+=")
foreach(line ${rpg_version_lines})
  string(REGEX REPLACE "^([A-Z0-9_]+)=(.*)$" "\\1" rpg_key "${line}")
  string(REGEX REPLACE "^([A-Z0-9_]+)=(.*)$" "\\2" rpg_value "${line}")
  set(RPG_${rpg_key} "${rpg_value}")
endforeach()

# Fails when a source file includes something its layer must not see:
# dependencies point down (app -> control -> host -> platform; nrg/ uses
# the standard library only), and only
# presenter/ (and the tests) may include Qt. main() is the one place that
# wires the presenter in, so app/main.cpp may include it.
# Usage: cmake -DSOURCE=<repository root> -P CheckLayers.cmake

set(forbidden_platform "host/|control/|app/|presenter/")
set(forbidden_host "control/|app/|presenter/")
set(forbidden_control "app/|presenter/")
set(forbidden_nrg "platform/|host/|control/|app/|presenter/")
set(forbidden_app "presenter/")

set(violations "")
foreach(layer platform host control nrg app tools resources)
  file(GLOB_RECURSE sources ${SOURCE}/${layer}/*.h ${SOURCE}/${layer}/*.cpp ${SOURCE}/${layer}/*.inl)
  foreach(file ${sources})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
      set(bad FALSE)
      if(header MATCHES "^Q[A-Za-z]+(/|$)|^qt[a-z]*/")
        set(bad TRUE)
      elseif(DEFINED forbidden_${layer} AND header MATCHES "^(${forbidden_${layer}})")
        if(NOT (file STREQUAL "${SOURCE}/app/main.cpp" AND header MATCHES "^presenter/"))
          set(bad TRUE)
        endif()
      endif()
      if(bad)
        file(RELATIVE_PATH rel ${SOURCE} ${file})
        list(APPEND violations "${rel}: #include <${header}>")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  list(JOIN violations "\n  " text)
  message(FATAL_ERROR "Layering violations:\n  ${text}")
endif()
message(STATUS "Layers point down; Qt stays in presenter/.")

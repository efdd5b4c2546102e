# Our own code builds with warnings as errors; third-party code keeps its own settings.
function(quillotap_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Every target of the project calls nonagra_target_defaults() so that warnings
# and sanitizers are set in one place.
function(nonagra_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(NONAGRA_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(NONAGRA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

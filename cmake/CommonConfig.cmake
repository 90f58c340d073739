# Standard, warnings and sanitizers for every target of the project, through one INTERFACE target.
option(DIRFORGE_WERROR "Treat compiler warnings as errors" OFF)
option(DIRFORGE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(DIRFORGE_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)

add_library(dirforge_options INTERFACE)
target_compile_features(dirforge_options INTERFACE cxx_std_20)
target_compile_options(dirforge_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast)
if(DIRFORGE_WERROR)
    target_compile_options(dirforge_options INTERFACE -Werror)
endif()
if(DIRFORGE_SANITIZE)
    target_compile_options(dirforge_options INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(dirforge_options INTERFACE -fsanitize=address,undefined)
endif()

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

# lld links the many test executables in a fraction of the time ld takes; the install script
# brings it, and without it the default linker serves.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld DIRFORGE_HAVE_LLD)
if(DIRFORGE_HAVE_LLD)
    target_link_options(dirforge_options INTERFACE -fuse-ld=lld)
endif()

# Precompiled headers: the Qt and GoogleTest headers nearly every window or test file includes
# are parsed once per group of targets instead of once per file. Off, every file must include
# what it uses on its own (the sanitizer build checks that).
option(DIRFORGE_PCH "Precompile the Qt and GoogleTest headers" ON)
set(DIRFORGE_QT_PCH_HEADERS
    <QApplication> <QCheckBox> <QComboBox> <QDialog> <QGridLayout> <QGroupBox> <QHBoxLayout>
    <QLabel> <QLineEdit> <QListView> <QPushButton> <QRadioButton> <QString> <QVBoxLayout>
    <QWidget> <functional> <memory> <string> <vector>)
set(DIRFORGE_GTEST_PCH_HEADERS
    <gmock/gmock.h> <gtest/gtest.h> <filesystem> <functional> <memory> <string> <vector>)

# The first target builds the precompiled headers, the others reuse them (their compile options
# must match: executables with executables).
function(dirforge_share_pch headers first)
    if(NOT DIRFORGE_PCH)
        return()
    endif()
    target_precompile_headers(${first} PRIVATE ${${headers}})
    foreach(target ${ARGN})
        target_precompile_headers(${target} REUSE_FROM ${first})
    endforeach()
endfunction()

# Unity builds: the files of a library or of a GoogleTest executable are compiled eight to a
# translation unit, so the precompiled headers and the headers they share are loaded once for
# eight files. Off, every file is compiled alone (the sanitizer build does, so a file that leans
# on its neighbours' includes or names fails there).
option(DIRFORGE_UNITY "Compile the files of each library and test executable together" ON)
function(dirforge_unity)
    if(DIRFORGE_UNITY)
        set_target_properties(${ARGN} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 8)
    endif()
endfunction()

# ccache caches a file compiled with a precompiled header only when told to, and gcc must then
# name the header in its preprocessed output.
if(DIRFORGE_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${CMAKE_CXX_COMPILER_LAUNCHER})
    target_compile_options(dirforge_options INTERFACE -fpch-preprocess)
endif()

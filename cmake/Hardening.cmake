# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# The protections distributions build their programs with, on by default. Each
# is added only when the caller's own flags (CPPFLAGS, CXXFLAGS and LDFLAGS,
# which CMakeLists.txt joins, or the CMAKE_*_FLAGS variables) say nothing about
# it, so a distribution's or a developer's choice always wins.
option(VELMORA_HARDENING "Add the compiler's and linker's protections that the caller's flags do not choose" ON)
if(NOT VELMORA_HARDENING)
  return()
endif()

include(CheckCXXCompilerFlag)
include(CheckCXXSourceCompiles)
include(CheckPIESupported)

string(TOUPPER "${CMAKE_BUILD_TYPE}" _velmora_build_type)
set(_velmora_cxx_flags "${CMAKE_CXX_FLAGS} ${CMAKE_CXX_FLAGS_${_velmora_build_type}}")
set(_velmora_link_flags "${CMAKE_EXE_LINKER_FLAGS} ${CMAKE_EXE_LINKER_FLAGS_${_velmora_build_type}}")

# A position-independent program, so that address-space randomisation moves
# the program's own code and data too.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()

if(NOT _velmora_cxx_flags MATCHES "-f(no-)?stack-protector")
  add_compile_options(-fstack-protector-strong)
endif()

foreach(_velmora_flag stack-clash-protection cf-protection)
  if(NOT _velmora_cxx_flags MATCHES "-f(no-)?${_velmora_flag}")
    string(MAKE_C_IDENTIFIER "VELMORA_HAS_${_velmora_flag}" _velmora_check)
    check_cxx_compiler_flag(-f${_velmora_flag} ${_velmora_check})
    if(${_velmora_check})
      add_compile_options(-f${_velmora_flag})
    endif()
  endif()
endforeach()

# The C library's checked string and memory functions. They work only in
# optimised code, and some compilers switch them on by themselves. Level 3
# also checks copies into buffers whose size is known only when the program
# runs, where the compiler can reckon it (GCC 12 and later).
if(NOT _velmora_cxx_flags MATCHES "_FORTIFY_SOURCE")
  set(CMAKE_REQUIRED_FLAGS -O2)
  check_cxx_source_compiles("
    #ifdef _FORTIFY_SOURCE
    #error the compiler fortifies by itself
    #endif
    int main() { return 0; }" VELMORA_COMPILER_LEAVES_FORTIFY_OFF)
  check_cxx_source_compiles("
    int main(int argc, char**) { char b[4]; return static_cast<int>(__builtin_dynamic_object_size(b + argc, 0)); }"
    VELMORA_HAS_DYNAMIC_OBJECT_SIZE)
  unset(CMAKE_REQUIRED_FLAGS)
  if(VELMORA_HAS_DYNAMIC_OBJECT_SIZE)
    set(_velmora_fortify _FORTIFY_SOURCE=3)
  else()
    set(_velmora_fortify _FORTIFY_SOURCE=2)
  endif()
  if(VELMORA_COMPILER_LEAVES_FORTIFY_OFF)
    get_property(_velmora_multi_config GLOBAL PROPERTY GENERATOR_IS_MULTI_CONFIG)
    if(_velmora_multi_config)
      add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:${_velmora_fortify}>)
    elseif(_velmora_cxx_flags MATCHES "(^| )-O([1-3gsz]|fast)?( |$)")
      add_compile_definitions(${_velmora_fortify})
    endif()
  endif()
endif()

# Relocations read-only once the program is loaded, all of them resolved at
# start-up.
if(NOT _velmora_link_flags MATCHES "-z[, ](no)?relro")
  add_link_options(LINKER:-z,relro)
endif()
if(NOT _velmora_link_flags MATCHES "-z[, ](now|lazy)")
  add_link_options(LINKER:-z,now)
endif()

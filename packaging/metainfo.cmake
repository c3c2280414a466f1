# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the AppStream metainfo from its template. Its links (homepage, bug tracker and
# screenshots) are made from the project's public address; while there is none they are
# left out rather than made up. packaging/CMakeLists.txt calls this at configure time, and
# scripts/check_package.sh runs it with an example address to validate that form too:
#     cmake -DMETAINFO_IN=<template> -DMETAINFO_OUT=<file> -DAMPORA_PUBLIC_URL=<address> \
#           -P packaging/metainfo.cmake
function(ampora_write_metainfo template output public_url)
  string(REGEX REPLACE "/+$" "" AMPORA_PUBLIC_URL "${public_url}")
  file(READ "${template}" metainfo)
  if(AMPORA_PUBLIC_URL STREQUAL "")
    string(REGEX REPLACE "[ ]*<url [^\n]*\n" "" metainfo "${metainfo}")
    string(REGEX REPLACE "[ ]*<screenshots>.*</screenshots>\n" "" metainfo "${metainfo}")
  endif()
  string(CONFIGURE "${metainfo}" metainfo @ONLY)
  file(WRITE "${output}" "${metainfo}")
endfunction()

if(CMAKE_SCRIPT_MODE_FILE)
  ampora_write_metainfo("${METAINFO_IN}" "${METAINFO_OUT}" "${AMPORA_PUBLIC_URL}")
endif()

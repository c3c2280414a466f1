# SPDX-FileCopyrightText: 2026 The Ampora developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the site's service worker from its template: the list of every file of the site
# and a cache name made from their contents, so that a new build replaces the old cache.
#
#     cmake -DSITE=<site folder> -DFILES=<file,file,...> -DTEMPLATE=<sw.js.in> -P service_worker.cmake
string(REPLACE "," ";" files "${FILES}")
set(digest "")
set(listed "'./'")
foreach(file IN LISTS files)
  file(SHA256 "${SITE}/${file}" hash)
  string(APPEND digest "${file} ${hash}\n")
  string(APPEND listed ", '${file}'")
endforeach()
string(SHA256 cache "${digest}")
string(SUBSTRING "${cache}" 0 16 cache)
set(AMPORA_SITE_CACHE "ampora-${cache}")
set(AMPORA_SITE_FILES "${listed}")
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)

# SPDX-License-Identifier: BSD-3-Clause
# Runs at install time: writes <libdir>/pkgconfig/zemd02.pc for the prefix being installed into.
# Set before: zem_pc_template, zem_pc_version, zem_pc_libdir, zem_pc_includedir, zem_pc_datadir.
set(zem_pc_prefix "${CMAKE_INSTALL_PREFIX}")
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${zem_pc_libdir}/pkgconfig/zemd02.pc")
message(STATUS "Installing: ${target}")
configure_file("${zem_pc_template}" "${target}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${target}")

# SPDX-License-Identifier: BSD-3-Clause
# Run at install time: libraries installed into a system library folder need
# no run path (and Debian's checks flag one); elsewhere $ORIGIN lets the
# library find the record engine beside it (and the Designer plugin the
# library).
foreach(library ${LIBRARIES})
  set(file "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${library}")
  if(CMAKE_INSTALL_PREFIX MATCHES "^/usr(/local)?/?$" AND EXISTS "${file}")
    file(RPATH_REMOVE FILE "${file}")
  endif()
endforeach()

# Where `cmake --install` puts things. On Windows everything lies side by side at the top of
# the tree (the zip holds Quorvel.exe next to README.md and LICENSE); elsewhere the programs go
# to bin/ and the rest below share/, as a system package lays them out.
if(WIN32)
  set(QUORVEL_INSTALL_BINDIR .)
  set(QUORVEL_INSTALL_DOCDIR .)
else()
  include(GNUInstallDirs)
  set(QUORVEL_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
  set(QUORVEL_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/quorvel)
  set(QUORVEL_INSTALL_MANDIR ${CMAKE_INSTALL_MANDIR})
  set(QUORVEL_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR})
endif()

# Run by CPack after it has written a .deb.  CPack gives the .deb's three
# members (debian-binary, control.tar.gz, data.tar.gz) the modes of the
# files it made them from, which follow the packer's umask; set them to
# 100644, as dpkg-deb does, so that the umask cannot change the bytes.  Only
# the ar headers change: their mode field is 8 bytes at offset 40 of each
# 60-byte header.  Perl is there wherever the .deb is made: dpkg-shlibdeps,
# which the .deb needs, is written in it.

foreach(file IN LISTS CPACK_PACKAGE_FILES)
  if(NOT file MATCHES "\\.deb$")
    continue()
  endif()
  execute_process(
    COMMAND
      perl -0777 -pi -e
      "my $at = 8; while ($at + 60 <= length) { substr($_, $at + 40, 8) = '100644  '; my $size = substr($_, $at + 48, 10); $at += 60 + $size + $size % 2 }"
      "${file}"
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()

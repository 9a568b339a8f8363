# `make deb`: a Debian package of what `make install` installs, for prefix
# /usr. Library dependencies are computed by dpkg-shlibdeps from the ELF
# files; what the program needs but does not link (the decoder plugins that
# libheif loads at run time) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrope)
set(CPACK_PACKAGE_VENDOR Quorvix)
set(CPACK_PACKAGE_CONTACT "Quorvix <support@quorvix.com>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Convert HEIC photos into JPEG files")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantrope turns HEIC photos (the HEIF files that phones and cameras write)
into JPEG files: preview and convert one photo, or convert many in one batch.
Colour profile and EXIF data are kept. The package also holds the
command-line converter vantrope-convert, the file managers' Convert to JPEG
actions and the Quillmast library.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorvix.com/vantrope/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libheif before 1.19 cannot open current phone photos. The decoder prefers
# the ffmpeg plugin for speed and falls back to libde265 for what it refuses.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libheif1 (>= 1.19), libheif-plugin-libde265 (>= 1.19), libheif-plugin-ffmpegdec (>= 1.19)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libheif-plugin-jpegdec (>= 1.19)")
include(CPack)

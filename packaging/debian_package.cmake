# The Debian package, made by CPack from the installed files (cpack -G DEB in
# the build folder; scripts/package.sh does it from a release build). One
# package holds both programs: the runner alone needs no Qt, and the package's
# dependencies, computed by dpkg-shlibdeps, name Qt for the editor's sake.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME grindfnttool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Grind FNT Tool developers")
set(CPACK_PACKAGE_CONTACT ${GFT_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${GFT_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "editor for the bitmap fonts of the game Grindlemoor
Grind FNT Tool edits the font files (.fnt) with which the game Grindlemoor
draws all its text: 256 glyphs of one height, each of its own width. Load a
font and see what the reader found and repaired; select, move, copy and
redraw glyphs pixel by pixel; change the height; merge or compare with
another font; import 8 x 8 fonts of 8-bit computers and typefaces; export
picture sheets, BDF and a web page; and save a file the game reads.

The runner grindfnt does the same without a window: it checks, converts and
compares fonts in scripts, and shows them as readable text under git.")
include(CPack)

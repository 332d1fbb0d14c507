# Cross-builds for i386 with Debian's cross compiler (g++-i686-linux-gnu) against the i386
# libraries (qt6-base-dev:i386, libgmp-dev:i386), which install beside the amd64 ones; Qt's
# code generators (moc) are the build machine's own. i386 programs run on an amd64 Debian
# as they are, so CTest runs the tests. Used by scripts/test.sh with PECUNIO_BUILD_GUI=OFF.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CXX_COMPILER i686-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE i386-linux-gnu)
# Qt asks where the build machine's Qt is when it cross-builds.
set(QT_HOST_PATH /usr)

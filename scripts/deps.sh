# Sourced by run.sh, test.sh and package.sh: makes sure Debian's packages the project needs are here.
# As root, installs what is missing with apt-get; otherwise prints the exact line and stops.

# Building and running the program (scripts/run.sh).
PECUNIO_PACKAGES=(
  g++ cmake ninja-build
  qt6-base-dev qt6-translations-l10n   # Qt Widgets, PrintSupport, Network, Test; Qt's own French texts
  libgmp-dev                            # exact arithmetic (GMP's gmpxx)
  libxcb1-dev                           # asks the X window manager whether it keeps windows on top
  fonts-wine fonts-liberation2          # Tahoma, MS Sans Serif; Arial metrics
  xdg-utils                             # opens the help page with the desktop's HTML handler
)

# Building the Debian packages (scripts/package.sh, and its test); debian/control's
# Build-Depends are in PECUNIO_PACKAGES.
PECUNIO_PACKAGE_TOOLS=(
  dpkg-dev debhelper                    # dpkg-buildpackage, dh
)

# The headless core and its tests built for i386 (scripts/test.sh), beside the amd64 ones:
# Debian's cross compiler and the i386 libraries, from the i386 architecture.
PECUNIO_I386_PACKAGES=(
  g++-i686-linux-gnu
  qt6-base-dev:i386 libgmp-dev:i386
)

# The tests and the benchmarks besides (scripts/test.sh).
PECUNIO_TEST_PACKAGES=(
  libbenchmark-dev                      # bench/
  poppler-utils                         # pdftotext, to read back the printed tape in tests
  appstream desktop-file-utils          # validate the installed metainfo and .desktop file
  lintian                               # checks the Debian package
  man-db                                # man -l renders the manual page
  clang-format                          # the sources keep the layout of .clang-format
)

# Both take package names, "name:arch" for another architecture's; with none, those of
# PECUNIO_PACKAGES.
pecunio_missing_packages() {
  local p
  [ $# -eq 0 ] && set -- "${PECUNIO_PACKAGES[@]}"
  for p in "$@"; do
    dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
  done
}

pecunio_ensure_packages() {
  local missing arch add=""
  missing=$(pecunio_missing_packages "$@" | tr '\n' ' ')
  [ -z "${missing// /}" ] && return 0
  # Architectures dpkg does not know yet, for the missing "name:arch" packages.
  for arch in $(printf '%s\n' $missing | sed -n 's/^[^:]*://p' | sort -u); do
    [ "$arch" = "$(dpkg --print-architecture)" ] && continue
    dpkg --print-foreign-architectures | grep -qx "$arch" || add="$add $arch"
  done
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: $missing"
    export DEBIAN_FRONTEND=noninteractive
    for arch in $add; do
      dpkg --add-architecture "$arch" || return 1
    done
    apt-get update -q && apt-get install -y -q --no-install-recommends $missing || return 1
  else
    echo "Missing packages. Please run:"
    for arch in $add; do
      echo "  sudo dpkg --add-architecture $arch"
    done
    [ -n "$add" ] && echo "  sudo apt-get update"
    echo "  sudo apt-get install -y --no-install-recommends $missing"
    return 1
  fi
}

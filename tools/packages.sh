# Debian packages the project needs, and a function that installs the missing ones.
# Sourced by ./run and ./test.

# To build and start the program.
TARVELO_BUILD_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6
  # Qt's private headers: the window's zoom sets the screen's scale at run time.
  qt6-base-private-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-liberation2
  # The sounds, and the equation read aloud in every language through the speech service.
  # (Debian 12's TextToSpeech CMake files need the QML ones, which come with qt6-declarative-dev.)
  qt6-multimedia-dev qt6-speech-dev qt6-declarative-dev qt6-speech-speechd-plugin
  speech-dispatcher speech-dispatcher-espeak-ng espeak-ng
)

# To build and run the tests and benchmarks as well.
TARVELO_TEST_PACKAGES=(
  libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils imagemagick
  xdg-utils libfile-mimeinfo-perl shared-mime-info desktop-file-utils libglib2.0-bin dpkg-dev
  clang-format
  # A session bus, the accessibility bus and a reader of it, for the screen-reader tests.
  at-spi2-core python3-pyatspi dbus dbus-x11
  # The screen reader itself, heard through its debug log.
  orca speech-dispatcher
  # A sound server to record what the program plays, and sox to measure the recordings.
  pulseaudio pulseaudio-utils sox
  # The package's checks: Debian's rules, the software centres' metainfo, the manual page.
  lintian appstream groff-base
)

tarvelo_missing_packages() {
  local p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      printf '%s\n' "$p"
    fi
  done
}

# Installs whichever of the given packages are missing, as root or through sudo. Says what is
# missing and how to install it when it cannot.
tarvelo_ensure_packages() {
  if ! command -v dpkg-query >/dev/null 2>&1; then
    echo "error: this set-up needs a Debian system (dpkg and apt-get were not found)." >&2
    return 1
  fi
  local missing
  mapfile -t missing < <(tarvelo_missing_packages "$@")
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  echo "Installing missing Debian packages: ${missing[*]}"
  local as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
      as_root=(sudo)
    else
      echo "error: these Debian packages are missing: ${missing[*]}" >&2
      echo "Installing them needs root. Run as root, or install them with:" >&2
      echo "  sudo apt-get install --no-install-recommends ${missing[*]}" >&2
      return 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  if ! "${as_root[@]}" apt-get update -qq ||
     ! "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"; then
    echo "error: could not install: ${missing[*]}" >&2
    echo "Check the network and the apt sources, then run this again." >&2
    return 1
  fi
  local still
  mapfile -t still < <(tarvelo_missing_packages "${missing[@]}")
  if [ "${#still[@]}" -ne 0 ]; then
    echo "error: still missing after installing: ${still[*]}" >&2
    return 1
  fi
}

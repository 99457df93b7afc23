# Sourced by the other scripts: installs the Debian packages the build, the
# program and the tests need, when they are missing and we may install them.
tavoclip_packages=(
  g++ cmake ninja-build pkg-config libgtest-dev
  qt6-base-dev libgl-dev libxcb1-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei
  ffmpeg libopencore-amrnb-dev libcanberra-dev
  xvfb xauth x11-utils xdotool openbox desktop-file-utils fonts-dejavu-core python3 python3-fusepy fuse3
  appstream dpkg-dev file parallel
  openbox icewm dbus dbus-x11
)

ensure_packages() {
  local missing=()
  local pkg
  for pkg in "${tavoclip_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "Install them with: sudo apt-get install ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

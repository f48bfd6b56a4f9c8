# Shared by the scripts of tools/: package install and the main build.
# Sourced, not run.

TH_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# Installs the packages of tools/packages.txt that are missing, through sudo
# when not root.
th_install_packages() {
    local wanted missing=()
    wanted=$(grep -v '^#' "$TH_ROOT/tools/packages.txt")
    for p in $wanted; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# th_build DIR [cmake options...]: configures and builds into DIR.
th_build() {
    local dir="$1"; shift
    cmake -S "$TH_ROOT" -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
}

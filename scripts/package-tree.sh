# Sourced by scripts/package.sh and scripts/test.sh: the tree the Debian package is made from.
# Exports Debian's usual compiler and linker flags, hardening included (the programs read files
# from anywhere), and defines package_tree DIR [CMAKE_ARGUMENTS...], which configures DIR with
# them: Release, installed under /usr. scripts/test.sh adds the tests to that tree, so that they
# run on the very programs that are packaged, and scripts/package.sh then only makes the package.
export DEB_BUILD_MAINT_OPTIONS=${DEB_BUILD_MAINT_OPTIONS:-hardening=+all}
CPPFLAGS=$(dpkg-buildflags --get CPPFLAGS)
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $CPPFLAGS"
CFLAGS="$(dpkg-buildflags --get CFLAGS) $CPPFLAGS"
LDFLAGS=$(dpkg-buildflags --get LDFLAGS)
export CFLAGS CXXFLAGS LDFLAGS

# Whether DIR was configured with these flags: CMake reads them only when a tree is first
# configured.
package_tree_is_current() {
    local cache=$1/CMakeCache.txt
    grep -qxF "CMAKE_CXX_FLAGS:STRING=$CXXFLAGS" "$cache" 2>/dev/null &&
        grep -qxF "CMAKE_C_FLAGS:STRING=$CFLAGS" "$cache" &&
        grep -qxF "CMAKE_EXE_LINKER_FLAGS:STRING=$LDFLAGS" "$cache" &&
        grep -qxF "CMAKE_BUILD_TYPE:STRING=Release" "$cache" &&
        grep -qxF "CMAKE_INSTALL_PREFIX:PATH=/usr" "$cache"
}

# package_tree DIR [CMAKE_ARGUMENTS...]: configures DIR, afresh unless it has these flags.
package_tree() {
    local dir=$1
    shift
    package_tree_is_current "$dir" || rm -f "$dir/CMakeCache.txt"
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        "$@" >/dev/null
}

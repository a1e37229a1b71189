# Sets up ccache for a cmake configure, when it is installed: paths
# relative to the tree and no working folder in the hash, so any clone's
# objects serve every other clone, and one size limit for every build that
# shares the cache, so no build trims what another keeps.
# After `ccache_launcher ROOT`, CCACHE_LAUNCHER holds the cmake options
# (empty without ccache).
ccache_launcher() {
  CCACHE_LAUNCHER=()
  command -v ccache >/dev/null || return 0
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$1")}
  export CCACHE_NOHASHDIR=1
  export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-20G}
  CCACHE_LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
}

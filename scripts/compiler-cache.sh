# Sourced by the scripts that build for the test command: every compiler call goes through ccache
# (package ccache), so a machine that built a source before, in whatever clone, takes the object it
# made then instead of compiling it again. The cache lies outside the clone, in ZURK3_CCACHE_DIR or
# the user's cache folder, and is kept to a few gigabytes. Without ccache everything compiles as
# before. A hit gives the bytes the compiler gave for the same preprocessed source and flags, so a
# cache can make a build faster but never different.
if command -v ccache >/dev/null; then
  export CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
  export CCACHE_DIR=${ZURK3_CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/zurk3/ccache}
  export CCACHE_MAXSIZE=${ZURK3_CCACHE_SIZE:-4G}
  # Paths inside the clone are hashed relative to it, so another clone finds the same objects;
  # the debug information then names the folder of the build that made them, which only a
  # debugger reads.
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
fi

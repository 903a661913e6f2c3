# Where each Windows build lives, by processor: i686 is the shipped 32-bit build (dist/ and the
# disc), x86_64 the same sources as 64-bit programs, for kernels that cannot run 32-bit code.
# Sourced by the scripts after they set $root.
windows_build_dir() {
  case $1 in i686) echo "$root/build/win" ;; x86_64) echo "$root/build/win64" ;; esac
}
windows_dist_dir() {
  case $1 in i686) echo "$root/dist" ;; x86_64) echo "$root/build/win64/dist" ;; esac
}
windows_build_name() {
  case $1 in i686) echo "32-bit build (the shipped programs)" ;; x86_64) echo "64-bit build" ;; esac
}

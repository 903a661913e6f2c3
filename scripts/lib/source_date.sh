# The one date a build gives everything it dates (the files and folders on the disc, the image):
# SOURCE_DATE_EPOCH when it is set, else the time of the commit the sources are checked out at, so
# that two builds of one commit give the same bytes. Sourced by the scripts after they set $root.
# Outside a git checkout and without SOURCE_DATE_EPOCH it is the current time, and says so.
export_source_date_epoch() {
  if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    case $SOURCE_DATE_EPOCH in
    *[!0-9]*) echo "SOURCE_DATE_EPOCH must be seconds since 1970, not '$SOURCE_DATE_EPOCH'" >&2; return 2 ;;
    esac
  elif SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null) && [ -n "$SOURCE_DATE_EPOCH" ]; then
    :
  else
    SOURCE_DATE_EPOCH=$(date +%s)
    echo "no commit to take the date from: the disc is dated now, and a second build will differ" >&2
  fi
  export SOURCE_DATE_EPOCH
}

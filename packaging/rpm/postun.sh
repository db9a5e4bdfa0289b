# After removal ($1 = 0; not on an upgrade) drops the rule and takes its
# access away from the hidraw nodes.
if [ "$1" = 0 ] && command -v udevadm >/dev/null 2>&1; then
    udevadm control --reload || :
    udevadm trigger --subsystem-match=hidraw --action=change || :
fi

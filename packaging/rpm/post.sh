# Loads the udev rule and applies it to the hidraw nodes already there, so a
# mouse that is plugged in becomes usable without plugging it in again.
if command -v udevadm >/dev/null 2>&1; then
    udevadm control --reload || :
    udevadm trigger --subsystem-match=hidraw --action=change || :
fi

// The virtual mouse's messages to /dev/uhid, built with the undefined-
// behaviour sanitizer (which ends the program at the first finding): an
// empty descriptor, input report or reply has no data pointer, and none of
// them may be handed to memcpy.
#include "device/uhid/uhid_device.h"

#include <cstdio>
#include <fcntl.h>

int main() {
    const int fd = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        std::perror("/dev/null");
        return 1;
    }
    pelmora::uhid::UhidDevice device(fd);
    pelmora::uhid::DeviceIdentity identity{};
    device.create(identity);
    device.sendInput({});
    device.replyGetReport(1, 5, {});
    std::puts("empty uhid messages: ok");
    return 0;
}

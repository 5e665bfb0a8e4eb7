#include "usb_scan.h"

#include <usb.h>

#include "usb_bus_walk.h"

namespace camera {

int32_t scanForCameras() {
    usb_init();
    usb_find_busses();
    const int32_t changed = usb_find_devices();
    return announceCameras(usb_get_busses(), changed);
}

}  // namespace camera

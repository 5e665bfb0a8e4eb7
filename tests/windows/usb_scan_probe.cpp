// Scans the USB buses once, as the login window does, for the USB scan's test under Wine.
#include "usb_scan.h"

int main() {
    camera::scanForCameras();
}

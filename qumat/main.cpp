// qumat: the command line alone, without the windows and the libraries they need, for servers
// and scripts.
#include "cli.h"
#include "library_functions.h"

int main(int argc, char* argv[]) {
    camera::LibraryFunctions camera;
    // The camera library is loaded only for a command that calls it or looks at it: help and the
    // log work without it.
    return cli::runInProcess(argc, argv, camera, [&camera] { return camera.lookUp(); });
}

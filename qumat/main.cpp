// qumat: the command line alone, without the windows and the libraries they need, for servers
// and scripts.
#include "cli.h"
#include "library_functions.h"

int main(int argc, char* argv[]) {
    camera::LibraryFunctions camera;
    return cli::runInProcess(argc, argv, camera);
}

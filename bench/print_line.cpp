// The floor of the command-line benchmark: the smallest C++ program that prints a line.
#include <cstdio>

int main() {
    std::puts("x");
}

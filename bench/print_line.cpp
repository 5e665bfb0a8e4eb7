// The floor of the command-line benchmark: the smallest C++ program that prints a line, as C++
// prints one, through the standard library's streams.
#include <iostream>

int main() {
    std::cout << "x\n";
}
